#include "typing/TypingResultDialog.h"

#include "app/Panel.h"
#include "common/Palette.h"
#include "typing/Certificate.h"
#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "typing/TypingGrades.h"
#include "typing/TypingTutorWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize ClientSize(535, 398);
constexpr int ColumnWidth = 165;
constexpr int ColumnGap = 8;

QLabel* sentenceBox(QWidget* parent, const QString& name, int x)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, 64, ColumnWidth, 58);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral(
        "QLabel { background: #FFFFE1; border: 1px solid #A0A080; border-radius: 9px; padding: 3px; }"));
    return label;
}

QLabel* gaugeTitle(QWidget* parent, const QString& text, int x)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, 12, ColumnWidth, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TypingResultDialog::TypingResultDialog(const UtilityServices& services, TypingTutorWindow* tutor)
    : QDialog(tutor, Qt::Dialog | Qt::FramelessWindowHint), services_(services), tutor_(tutor)
{
    setWindowTitle(QStringLiteral("Typing Results"));
    setModal(true);
    setFixedSize(ClientSize);
    setPaletteColour(this, QPalette::Window, Qt::black);
    setAutoFillBackground(true);
    buildLayout();
}

void TypingResultDialog::buildLayout()
{
    backPanel_ = new Panel(this);
    backPanel_->setObjectName(QStringLiteral("backPanel"));
    backPanel_->setColour(QColor(182, 182, 170));
    backPanel_->setBevel(Panel::Bevel::Raised, 2);
    backPanel_->setGeometry(4, 4, ClientSize.width() - 8, ClientSize.height() - 8);

    const int x0 = 10;
    const int x1 = x0 + ColumnWidth + ColumnGap;
    const int x2 = x1 + ColumnWidth + ColumnGap;
    gaugeTitle(backPanel_, QStringLiteral("Completed"), x0);
    gaugeTitle(backPanel_, QStringLiteral("Accuracy"), x1);
    gaugeTitle(backPanel_, QStringLiteral("Speed"), x2);

    using Percentage = TypingGauge::Percentage;
    completedGauge_ =
        new TypingGauge(QStringLiteral("Completed"), Qt::red, Percentage::Shown, backPanel_);
    completedGauge_->setObjectName(QStringLiteral("completedGauge"));
    completedGauge_->setGeometry(x0, 36, ColumnWidth, 22);
    accuracyGauge_ =
        new TypingGauge(QStringLiteral("Accuracy"), QColor(0, 255, 0), Percentage::Shown, backPanel_);
    accuracyGauge_->setObjectName(QStringLiteral("accuracyGauge"));
    accuracyGauge_->setGeometry(x1, 36, ColumnWidth, 22);
    speedGauge_ =
        new TypingGauge(QStringLiteral("Speed"), QColor(0, 255, 255), Percentage::Hidden, backPanel_);
    speedGauge_->setObjectName(QStringLiteral("speedGauge"));
    speedGauge_->setGeometry(x2, 36, ColumnWidth, 22);
    speedGauge_->setMaximum(typing::TypingScorer::SpeedMaximum);

    wpmLabel_ = new QLabel(QStringLiteral("0 WPM"), backPanel_);
    wpmLabel_->setObjectName(QStringLiteral("wpmLabel"));
    wpmLabel_->setGeometry(x2, 36, ColumnWidth, 22);
    wpmLabel_->setAlignment(Qt::AlignCenter);
    wpmLabel_->setAccessibleName(QStringLiteral("Speed"));
    wpmLabel_->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; background: transparent; }"));

    completionSentence_ = sentenceBox(backPanel_, QStringLiteral("completionSentence"), x0);
    accuracySentence_ = sentenceBox(backPanel_, QStringLiteral("accuracySentence"), x1);
    speedSentence_ = sentenceBox(backPanel_, QStringLiteral("speedSentence"), x2);

    practiseTitle_ = new QLabel(PractiseTitle, backPanel_);
    practiseTitle_->setObjectName(QStringLiteral("practiseTitle"));
    practiseTitle_->setGeometry(x0, 132, 507, 22);
    practiseTitle_->setAlignment(Qt::AlignCenter);
    practiseTitle_->setStyleSheet(QStringLiteral(
        "QLabel { background: #202060; color: white; font-weight: bold; border: 1px solid black; }"));

    practiseList_ = new QListWidget(backPanel_);
    practiseList_->setObjectName(QStringLiteral("practiseList"));
    practiseList_->setGeometry(x0, 158, 120, 218);
    practiseList_->setAccessibleName(QStringLiteral("Characters to practise"));
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(27);
    listFont.setBold(true);
    practiseList_->setFont(listFont);

    certificatePanel_ = new QWidget(backPanel_);
    certificatePanel_->setObjectName(QStringLiteral("certificatePanel"));
    certificatePanel_->setGeometry(140, 170, 370, 90);
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), certificatePanel_);
    nameLabel->setGeometry(8, 10, 50, 24);
    nameEdit_ = new QLineEdit(certificatePanel_);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setGeometry(60, 10, 300, 24);
    nameEdit_->setAccessibleName(QStringLiteral("Name"));
    nameLabel->setBuddy(nameEdit_);
    printButton_ = new QPushButton(QStringLiteral("&Print Certificate"), certificatePanel_);
    printButton_->setObjectName(QStringLiteral("printButton"));
    printButton_->setGeometry(200, 48, 160, 30);
    connect(printButton_, &QPushButton::clicked, this, &TypingResultDialog::printCertificate);

    okButton_ = new QPushButton(QStringLiteral("&OK"), backPanel_);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(417, 346, 100, 30);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TypingResultDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    showGrades();
}

void TypingResultDialog::showFigures(const typing::GaugeReading& completed,
                                     const typing::GaugeReading& accuracy,
                                     const typing::GaugeReading& speed, const QString& wordsPerMinute)
{
    completedGauge_->setReading(completed);
    accuracyGauge_->setReading(accuracy);
    speedGauge_->setReading(speed);
    wpmLabel_->setText(wordsPerMinute);
}

void TypingResultDialog::showGrades()
{
    constexpr int FullMarks = 100;
    const int accuracy = accuracyGauge_->percent();
    completionSentence_->setText(typing::completionSentence(completedGauge_->percent()));
    accuracySentence_->setText(typing::accuracySentence(accuracy));

    // A run without a wrong key has nothing to practise.
    if (accuracy == FullMarks) {
        practiseList_->hide();
        practiseTitle_->hide();
    } else {
        practiseTitle_->show();
        practiseList_->clear();
        practiseList_->addItems(typing::charactersToPractise(tutor_->scorer().misses()));
        practiseList_->show();
    }

    speedSentence_->setText(typing::speedSentence(speedGauge_->reading().value()));
    certificatePanel_->setVisible(tutor_->day() == typing::ExamDay);
}

int TypingResultDialog::showModal()
{
    if (!modalHook)
        return exec();
    show();
    modalHook(*this);
    close();
    return result();
}

void TypingResultDialog::printCertificate()
{
    // A name of blanks would print an empty line just the same.
    if (nameEdit_->text().trimmed().isEmpty()) {
        services_.dialogs.message(this, platform::MessageKind::Information, EnterNameText, platform::Ok);
        nameEdit_->setFocus();
        return;
    }
    const certificate::Details details{nameEdit_->text(), services_.clock.now().date(),
                                       speedGauge_->reading().value(), accuracyGauge_->percent()};

    std::unique_ptr<QPrinter> printer = platform::Printing::instance().currentPrinter();
    if (!printer) {
        services_.dialogs.message(this, platform::MessageKind::Warning,
                                  platform::Printing::noPrinterText(), platform::Ok);
        return;
    }
    QPainter painter;
    if (!painter.begin(printer.get())) {
        services_.dialogs.message(this, platform::MessageKind::Error, PrintFailedText, platform::Ok);
        return;
    }
    certificate::draw(painter, details, QLocale());
    painter.end();
}
