// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is offered when nothing was printed: a message, then the page saved as a PDF
// file chosen in a file dialog.
#pragma once

#include <memory>

#include "ui/window_printer.h"

class QMessageBox;
class QWidget;

namespace ui {

// The message over the window: nothing printed, "Enregistrer en PDF…" or "Annuler".
std::unique_ptr<QMessageBox> NothingPrintedMessage(QWidget* window);

// Shows the message and, when accepted, saves the page in the PDF file the user names.
void OfferPdfInstead(QWidget* window, const Page& page);

}  // namespace ui
