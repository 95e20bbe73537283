#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

namespace {
Dialogs realDialogs;
Dialogs* installed = nullptr;

int firstButton(int buttons)
{
    for (int b : {Ok, Yes, No, Cancel, Help})
        if (buttons & b)
            return b;
    return Ok;
}
} // namespace

Dialogs& Dialogs::instance() { return installed ? *installed : realDialogs; }

void Dialogs::install(Dialogs* dialogs) { installed = dialogs; }

QString Dialogs::captionFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

int Dialogs::message(QWidget* parent, MessageKind kind, const QString& text, int buttons,
                     int helpContext)
{
    QMessageBox box(parent);
    box.setWindowTitle(captionFor(kind));
    box.setText(text);
    switch (kind) {
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    QList<QPair<QAbstractButton*, int>> mapping;
    const auto add = [&](int flag, QMessageBox::StandardButton standard) {
        if (buttons & flag)
            mapping.append({box.addButton(standard), flag});
    };
    add(Ok, QMessageBox::Ok);
    add(Yes, QMessageBox::Yes);
    add(No, QMessageBox::No);
    add(Cancel, QMessageBox::Cancel);
    // No help file ships with the program; the Help button explains where the
    // help lives and the question stays open.
    QAbstractButton* help = (buttons & Help) ? box.addButton(QMessageBox::Help) : nullptr;
    if (!mapping.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(mapping.first().first));
    box.exec();
    while (help && box.clickedButton() == help) {
        QMessageBox::information(&box, QStringLiteral("Help"),
            QStringLiteral("Every Orvik 2000 window explains itself: rest the pointer on its "
                           "yellow \"?\" panel to read its help. (Help topic %1)")
                .arg(helpContext));
        box.exec();
    }
    for (const auto& [button, flag] : mapping)
        if (box.clickedButton() == button)
            return flag;
    // Closed by Escape or the title bar: the softest answer offered.
    for (int b : {Cancel, No, Ok})
        if (buttons & b)
            return b;
    return firstButton(buttons);
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter, const QString& defaultSuffix)
{
    if (defaultSuffix.isEmpty())
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool Dialogs::chooseColour(QWidget* parent, QColor& colour, std::array<QColor, 16>& customColours)
{
    for (int i = 0; i < int(customColours.size()); ++i)
        QColorDialog::setCustomColor(i, customColours[size_t(i)]);
    QColorDialog dialog(colour, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.selectedColor();
    for (int i = 0; i < int(customColours.size()); ++i)
        customColours[size_t(i)] = QColorDialog::customColor(i);
    return true;
}

bool Dialogs::chooseFont(QWidget* parent, QFont& font, QColor& colour)
{
    // Qt's font dialog has no colour: it is shown inside a dialog that adds
    // the colour choice beside the usual OK and Cancel.
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Font"));
    // A typeface known by another name ("Times New Roman" drawn by a
    // metric-compatible face) is shown as the face that draws it.
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    auto* fonts = new QFontDialog(shown, &dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    fonts->setWindowFlags(Qt::Widget);
    QColor chosen = colour;
    auto* colourLabel = new QLabel(QStringLiteral("Color:"), &dialog);
    auto* colourButton = new QPushButton(&dialog);
    colourButton->setAccessibleName(QStringLiteral("Text color"));
    colourButton->setFixedSize(60, 24);
    const auto showColour = [colourButton, &chosen] {
        colourButton->setStyleSheet(QStringLiteral("background: %1;").arg(chosen.name()));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor picked = QColorDialog::getColor(chosen, &dialog);
        if (picked.isValid()) {
            chosen = picked;
            showColour();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colourButton);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = fonts->currentFont();
    colour = chosen;
    return true;
}

int ScriptedDialogs::message(QWidget*, MessageKind kind, const QString& text, int buttons,
                             int helpContext)
{
    asked.append({kind, text, buttons, helpContext});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return firstButton(buttons);
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& caption, const QString&,
                                      const QString&)
{
    fileDialogs.append(caption);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& caption, const QString&,
                                      const QString&, const QString&)
{
    fileDialogs.append(caption);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

bool ScriptedDialogs::chooseColour(QWidget*, QColor& colour, std::array<QColor, 16>& customColours)
{
    ++colourDialogs;
    const QColor answer = colours.isEmpty() ? QColor() : colours.takeFirst();
    if (!answer.isValid())
        return false;
    colour = answer;
    if (customColour.isValid())
        customColours[0] = customColour;
    return true;
}

bool ScriptedDialogs::chooseFont(QWidget*, QFont& font, QColor& colour)
{
    ++fontDialogs;
    if (fontAnswers.isEmpty())
        return false;
    const FontAnswer answer = fontAnswers.takeFirst();
    if (!answer.ok)
        return false;
    font = answer.font;
    colour = answer.colour;
    return true;
}

} // namespace platform
