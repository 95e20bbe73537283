#pragma once
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class QWidget;

namespace platform {

enum class MessageKind { Information, Warning, Error, Confirmation };

// Buttons of a message box, combinable; the answer is one of them.
enum MessageButton : int {
    Ok = 1,
    Yes = 2,
    No = 4,
    Cancel = 8,
    Help = 16,
};

// Every message box and standard dialog of the program goes through the
// installed Dialogs service. The real one shows Qt dialogs; tests install a
// scripted one so no test ever waits on a modal window.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a message box and returns the button pressed. helpContext is the
    // help topic of the Help button, 0 when there is none.
    virtual int message(QWidget* parent, MessageKind kind, const QString& text, int buttons,
                        int helpContext = 0);
    // Standard open and save dialogs; an empty string means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    // A default suffix ("bmp") is added to a name typed without one before
    // the dialog checks whether the file exists.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix = QString());
    // The standard colour dialog, opened on colour, showing and keeping the
    // sixteen custom colours. OK: true, with colour and customColours as the
    // user left them; Cancel: false, both unchanged.
    virtual bool chooseColour(QWidget* parent, QColor& colour,
                              std::array<QColor, 16>& customColours);
    // The standard font dialog with its effects (underline, strikeout and
    // the text colour), listing scalable fonts only and showing a preview.
    // OK: true, with font and colour as chosen; Cancel: false, both unchanged.
    virtual bool chooseFont(QWidget* parent, QFont& font, QColor& colour);

    static Dialogs& instance();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void install(Dialogs* dialogs);

    // Caption of a message box of the given kind.
    static QString captionFor(MessageKind kind);
};

// Test double: answers from a script and records every question.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        MessageKind kind;
        QString text;
        int buttons;
        int helpContext;
    };

    int message(QWidget* parent, MessageKind kind, const QString& text, int buttons,
                int helpContext = 0) override;
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString& defaultSuffix = QString()) override;
    bool chooseColour(QWidget*, QColor& colour, std::array<QColor, 16>& customColours) override;
    bool chooseFont(QWidget*, QFont& font, QColor& colour) override;

    // Answers given in order; when the script runs out, the first button offered.
    QList<int> answers;
    QStringList fileNames;
    QList<Asked> asked;
    QStringList fileDialogs; // captions of the file dialogs that were opened
    // Colour dialog answers in order: a valid colour is OK with it, an
    // invalid one (or none left) is Cancel. customColour, when valid, is put
    // into custom slot 0 on OK, as a user adding a custom colour would.
    QList<QColor> colours;
    QColor customColour;
    int colourDialogs = 0;
    // Font dialog answers in order: ok with its font and colour, or Cancel
    // (also when none are left).
    struct FontAnswer {
        bool ok = false;
        QFont font;
        QColor colour;
    };
    QList<FontAnswer> fontAnswers;
    int fontDialogs = 0;
};

// Installs a scripted double for the lifetime of the guard.
class ScopedDialogs {
public:
    ScopedDialogs() { Dialogs::install(&scripted); }
    ~ScopedDialogs() { Dialogs::install(nullptr); }
    ScriptedDialogs scripted;
};

} // namespace platform
