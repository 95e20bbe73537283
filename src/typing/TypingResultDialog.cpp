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

TypingResultDialog::TypingResultDialog(TypingTutorWindow* tutor)
    : QDialog(tutor, Qt::Dialog | Qt::FramelessWindowHint), tutor_(tutor)
{
    setObjectName(QStringLiteral("frmTypingResult"));
    setWindowTitle(QStringLiteral("Typing Results"));
    setModal(true);
    setFixedSize(ClientSize);
    setPaletteColour(this, QPalette::Window, Qt::black);
    setAutoFillBackground(true);
    buildLayout();
}

void TypingResultDialog::buildLayout()
{
    back_ = new Panel(this);
    back_->setObjectName(QStringLiteral("Panel1"));
    back_->setColour(QColor(182, 182, 170));
    back_->setBevel(Panel::Bevel::Raised, 2);
    back_->setGeometry(4, 4, ClientSize.width() - 8, ClientSize.height() - 8);

    const int x0 = 10;
    const int x1 = x0 + ColumnWidth + ColumnGap;
    const int x2 = x1 + ColumnWidth + ColumnGap;
    gaugeTitle(back_, QStringLiteral("Completed"), x0);
    gaugeTitle(back_, QStringLiteral("Accuracy"), x1);
    gaugeTitle(back_, QStringLiteral("Speed"), x2);

    gaugePercentDone_ = new TypingGauge(QStringLiteral("Completed"), Qt::red, true, back_);
    gaugePercentDone_->setObjectName(QStringLiteral("gaugePercentDone"));
    gaugePercentDone_->setGeometry(x0, 36, ColumnWidth, 22);
    gaugeAccuracy_ = new TypingGauge(QStringLiteral("Accuracy"), QColor(0, 255, 0), true, back_);
    gaugeAccuracy_->setObjectName(QStringLiteral("gaugeAccuracy"));
    gaugeAccuracy_->setGeometry(x1, 36, ColumnWidth, 22);
    gaugeSpeed_ = new TypingGauge(QStringLiteral("Speed"), QColor(0, 255, 255), false, back_);
    gaugeSpeed_->setObjectName(QStringLiteral("gaugeSpeed"));
    gaugeSpeed_->setGeometry(x2, 36, ColumnWidth, 22);
    gaugeSpeed_->setMaximum(150);

    labWPM_ = new QLabel(QStringLiteral("0 WPM"), back_);
    labWPM_->setObjectName(QStringLiteral("labWPM"));
    labWPM_->setGeometry(x2, 36, ColumnWidth, 22);
    labWPM_->setAlignment(Qt::AlignCenter);
    labWPM_->setAccessibleName(QStringLiteral("Speed"));
    labWPM_->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; background: transparent; }"));

    labComplete = sentenceBox(back_, QStringLiteral("labComplete"), x0);
    labAccuracy = sentenceBox(back_, QStringLiteral("labAccuracy"), x1);
    labSpeed = sentenceBox(back_, QStringLiteral("labSpeed"), x2);

    panTitle = new QLabel(PractiseTitle, back_);
    panTitle->setObjectName(QStringLiteral("panTitle"));
    panTitle->setGeometry(x0, 132, 507, 22);
    panTitle->setAlignment(Qt::AlignCenter);
    panTitle->setStyleSheet(QStringLiteral(
        "QLabel { background: #202060; color: white; font-weight: bold; border: 1px solid black; }"));

    lstIncorrect = new QListWidget(back_);
    lstIncorrect->setObjectName(QStringLiteral("lstIncorrect"));
    lstIncorrect->setGeometry(x0, 158, 120, 218);
    lstIncorrect->setAccessibleName(QStringLiteral("Characters to practise"));
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(27);
    listFont.setBold(true);
    lstIncorrect->setFont(listFont);

    panCertificate = new QWidget(back_);
    panCertificate->setObjectName(QStringLiteral("panCertificate"));
    panCertificate->setGeometry(140, 170, 370, 90);
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), panCertificate);
    nameLabel->setGeometry(8, 10, 50, 24);
    Name = new QLineEdit(panCertificate);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setGeometry(60, 10, 300, 24);
    Name->setAccessibleName(QStringLiteral("Name"));
    nameLabel->setBuddy(Name);
    SpeedButton2 = new QPushButton(QStringLiteral("&Print Certificate"), panCertificate);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(200, 48, 160, 30);
    connect(SpeedButton2, &QPushButton::clicked, this, &TypingResultDialog::PrintCertClick);

    SpeedButton1 = new QPushButton(QStringLiteral("&OK"), back_);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(417, 346, 100, 30);
    connect(SpeedButton1, &QPushButton::clicked, this, &TypingResultDialog::SpeedButton1Click);
}

void TypingResultDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TypingResultDialog::FormShow()
{
    const int c = gaugePercentDone_->percent();
    const int a = gaugeAccuracy_->percent();
    const int w = gaugeSpeed_->gauge().value();
    labComplete->setText(typing::completionSentence(c));
    labAccuracy->setText(typing::accuracySentence(a));

    if (a == 100) {
        lstIncorrect->hide();
        panTitle->hide();
    } else {
        panTitle->show();
        lstIncorrect->clear();
        lstIncorrect->addItems(typing::charactersToPractise(tutor_->MissTable()));
        lstIncorrect->show();
    }

    labSpeed->setText(typing::speedSentence(w));
    panCertificate->setVisible(tutor_->LessonDay() == typing::ExamDay);
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

void TypingResultDialog::SpeedButton1Click() { accept(); }

void TypingResultDialog::PrintCertClick()
{
    // A name of blanks would print an empty line just the same.
    if (Name->text().trimmed().isEmpty()) {
        platform::showMessage(this, platform::MessageKind::Information, EnterNameText, platform::Ok);
        Name->setFocus();
        return;
    }
    const certificate::Details details{Name->text(), platform::Clock::instance().now().date(),
                                       gaugeSpeed_->gauge().value(), gaugeAccuracy_->percent()};

    std::unique_ptr<QPrinter> printer = platform::Printing::instance().currentPrinter();
    if (!printer) {
        platform::showMessage(this, platform::MessageKind::Warning,
                              platform::Printing::noPrinterText(), platform::Ok);
        return;
    }
    QPainter painter;
    if (!painter.begin(printer.get())) {
        platform::showMessage(this, platform::MessageKind::Error, PrintFailedText, platform::Ok);
        return;
    }
    certificate::draw(painter, details, QLocale());
    painter.end();
}
