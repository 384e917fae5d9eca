// SPDX-License-Identifier: GPL-3.0-or-later
// The message after a failed print and the saving of the page as a PDF file instead.
#include "ui/pdf_offer.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QString Title() {
    return QStringLiteral("Impression");
}

QString AskPdfFileName(QWidget* window) {
    const QString suggested =
        QDir::home().filePath(window->windowTitle().simplified() + QStringLiteral(".pdf"));
    QString fileName =
        QFileDialog::getSaveFileName(window, QString::fromUtf8("Enregistrer en PDF"), suggested,
                                     QStringLiteral("Fichiers PDF (*.pdf)"));
    if (!fileName.isEmpty() && !fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    return fileName;
}

}  // namespace

std::unique_ptr<QMessageBox> NothingPrintedMessage(QWidget* window) {
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, Title(),
        QString::fromUtf8("Rien n'a été imprimé : aucune imprimante n'est disponible ou "
                          "l'impression a échoué.\n"
                          "Voulez-vous enregistrer la page dans un fichier PDF ?"),
        QMessageBox::NoButton, window);
    QPushButton* save =
        box->addButton(QString::fromUtf8("Enregistrer en PDF…"), QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box->setDefaultButton(save);
    box->setEscapeButton(cancel);
    return box;
}

void OfferPdfInstead(QWidget* window, const Page& page) {
    const auto box = NothingPrintedMessage(window);
    box->exec();
    if (box->buttonRole(box->clickedButton()) != QMessageBox::AcceptRole) return;
    const QString fileName = AskPdfFileName(window);
    if (fileName.isEmpty()) return;
    if (!WritePdf(page, fileName))
        QMessageBox::warning(window, Title(),
                             QString::fromUtf8("Le fichier PDF n'a pas pu être enregistré :\n") +
                                 QDir::toNativeSeparators(fileName));
}

}  // namespace ui
