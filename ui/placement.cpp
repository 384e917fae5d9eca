// SPDX-License-Identifier: GPL-3.0-or-later
// The help window is centred vertically on its anchor; on its left when the anchor's centre is
// in the right half of the screen (or exactly at its middle), on its right otherwise; then every
// window Karvo moves is kept on the available area. Outer sizes count the window manager's frame,
// learnt from the first framed window; a window too large for the area is first laid out at the
// factor that fits. A double-click whose second press lands on a window Karvo has just moved under
// the pointer is not a click on that window, nor does it take the keyboard focus there.
#include "ui/placement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "ui/look.h"
#include "ui/screen.h"

namespace ui {

namespace {

// Up or left until the far edge is on the area, but never before its start.
float KeepInside(float start, float size, float areaStart, float areaSize) {
    return std::max(std::min(start, areaStart + areaSize - size), areaStart);
}

// The frame the window manager draws around a window, the same for all of Karvo's windows.
QMargins FrameOf(const QWidget* window) {
    static QMargins known;
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    if (frame != inner)
        known = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return known;
}

TwipsRect ToTwips(const QRect& rect) {
    return {float(Twips(rect.left())), float(Twips(rect.top())), float(Twips(rect.width())),
            float(Twips(rect.height()))};
}

// The outer rectangle, title bar included, even before the window manager has framed it.
TwipsRect OuterTwips(const QWidget* window) {
    return ToTwips(QRect(window->pos(), window->size().grownBy(FrameOf(window))));
}

TwipsRect AreaOf(const QWidget* window) {
    return ToTwips(window->screen()->availableGeometry());
}

// Lays the window out at the factor that fits it, with its frame, on the area.
void FitOn(QWidget* window, const TwipsRect& area) {
    const WindowDef& def = TableOf(window);
    const QMargins frame = FrameOf(window);
    const float factor =
        FitFactor(float(def.width), float(def.height), float(Twips(frame.left() + frame.right())),
                  float(Twips(frame.top() + frame.bottom())), area);
    if (factor != ScaleOf(window)) SetScale(window, factor);
}

class PlacedRecently : public QObject {
  public:
    static void Mark(QWidget* window) {
        static auto* filter = new PlacedRecently(qApp);
        std::erase_if(filter->placed_, [](const Placed& p) { return !p.window || Stale(p); });
        filter->placed_.push_back({window, {}});
        filter->placed_.back().since.start();
    }

  protected:
    // Taken from the platform window, before a control under the pointer takes the focus.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick || watched->isWidgetType()) return false;
        return std::ranges::any_of(placed_, [watched](const Placed& p) {
            return p.window && p.window->windowHandle() == watched && !Stale(p);
        });
    }

  private:
    struct Placed {
        QPointer<QWidget> window;
        QElapsedTimer since;
    };
    explicit PlacedRecently(QObject* application) : QObject(application) {
        application->installEventFilter(this);
    }
    static bool Stale(const Placed& p) {
        return p.since.elapsed() > QApplication::doubleClickInterval();
    }
    std::vector<Placed> placed_;
};

void MoveTo(QWidget* window, int left, int top) {
    window->move(left, top);
    PlacedRecently::Mark(window);
}

// Centres the window again once the window manager has framed it, the first time only.
class RecentreWhenFramed : public QObject {
  public:
    explicit RecentreWhenFramed(QWidget* window) : QObject(window) {
        setObjectName(QStringLiteral("RecentreWhenFramed"));
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->frameGeometry() != window->geometry()) {
            window->removeEventFilter(this);
            deleteLater();
            CentreOnScreen(window, window->screen());
        }
        return false;
    }
};

}  // namespace

TwipsPoint Centre(float width, float height, const TwipsRect& area) {
    const float top = (area.height - height) / 2 + area.top;
    const float left = (area.width - width) / 2 + area.left;
    return {KeepInside(left, width, area.left, area.width),
            KeepInside(top, height, area.top, area.height)};
}

float FitFactor(float width, float height, float frameWidth, float frameHeight,
                const TwipsRect& area) {
    const float fit =
        std::min((area.width - frameWidth) / width, (area.height - frameHeight) / height);
    return std::clamp(fit, 0.5f, 1.0f);
}

HelpPlacement PlaceHelp(const TwipsRect& anchor, const TwipsRect& help, const TwipsRect& area) {
    HelpPlacement placement{0, 0, anchor.left};
    placement.helpTop = KeepInside((anchor.height - help.height) / 2 + anchor.top, help.height,
                                   area.top, area.height);
    const float anchorCentre = anchor.left + anchor.width / 2;
    const float screenMiddle = area.left + area.width / 2;
    const float areaRight = area.left + area.width;
    if (screenMiddle <= anchorCentre) {
        placement.helpLeft = anchor.left - help.width;
        if (anchor.left - area.left < help.width) {
            placement.anchorLeft = area.left + help.width + 10;
            placement.helpLeft = area.left + 10;
        }
    } else if (anchor.width + anchor.left + help.width >= areaRight) {
        placement.anchorLeft = areaRight - help.width - anchor.width - 10;
    }
    // A pushed anchor stays on the screen, and so does the help window, over the anchor if it must.
    if (placement.anchorLeft != anchor.left)
        placement.anchorLeft =
            KeepInside(placement.anchorLeft, anchor.width, area.left, area.width);
    if (screenMiddle > anchorCentre) placement.helpLeft = anchor.width + placement.anchorLeft;
    placement.helpLeft = KeepInside(placement.helpLeft, help.width, area.left, area.width);
    return placement;
}

void PlaceBesideAnchor(QWidget* help, QWidget* anchor) {
    const TwipsRect area = AreaOf(anchor);
    FitOn(help, area);
    const TwipsRect anchorRect = OuterTwips(anchor);
    const HelpPlacement placement = PlaceHelp(anchorRect, OuterTwips(help), area);
    // The top first, then the anchor when it moves, then the help window's left.
    help->move(help->pos().x(), Px(placement.helpTop));
    if (placement.anchorLeft != anchorRect.left)
        MoveTo(anchor, Px(placement.anchorLeft), anchor->pos().y());
    MoveTo(help, Px(placement.helpLeft), Px(placement.helpTop));
}

void CentreOnScreen(QWidget* window, QScreen* screen) {
    const TwipsRect area = ToTwips(screen->availableGeometry());
    FitOn(window, area);
    const TwipsRect outer = OuterTwips(window);
    const TwipsPoint centred = Centre(outer.width, outer.height, area);
    MoveTo(window, Px(centred.left), Px(centred.top));
    const bool framed = window->frameGeometry() != window->geometry() || !FrameOf(window).isNull();
    if (!framed && !window->findChild<QObject*>(QStringLiteral("RecentreWhenFramed"),
                                                Qt::FindDirectChildrenOnly))
        new RecentreWhenFramed(window);
}

void BringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
