#include "typing/TypingResultDialog.h"

#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Palette.h"
#include "typing/Certificate.h"
#include "typing/TypingGauge.h"
#include "typing/TypingGrades.h"
#include "typing/TypingScorer.h"
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
constexpr int FirstColumnLeft = 10;

const QString SpeedTitle = QStringLiteral("Speed");

int columnLeft(int column) { return FirstColumnLeft + column * (ColumnWidth + ColumnGap); }

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

TypingResultDialog::TypingResultDialog(const UtilityServices& services, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), services_(services)
{
    setWindowTitle(QStringLiteral("Typing Results"));
    setModal(true);
    setFixedSize(ClientSize);
    setWindowColour(this, Qt::black);
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

    buildGauges();
    completionSentence_ = sentenceBox(backPanel_, QStringLiteral("completionSentence"), columnLeft(0));
    accuracySentence_ = sentenceBox(backPanel_, QStringLiteral("accuracySentence"), columnLeft(1));
    speedSentence_ = sentenceBox(backPanel_, QStringLiteral("speedSentence"), columnLeft(2));
    buildPractiseList();
    buildCertificatePanel();

    okButton_ = new QPushButton(QStringLiteral("&OK"), backPanel_);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(417, 346, 100, 30);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

// Three columns, each a raised title over its gauge; the speed in words per
// minute lies over the speed gauge.
void TypingResultDialog::buildGauges()
{
    gaugeTitle(backPanel_, QStringLiteral("Completed"), columnLeft(0));
    gaugeTitle(backPanel_, QStringLiteral("Accuracy"), columnLeft(1));
    gaugeTitle(backPanel_, SpeedTitle, columnLeft(2));

    using Percentage = TypingGauge::Percentage;
    const auto addGauge = [this](int column, const QString& title, const QColor& bar,
                                 Percentage percentage, const QString& name) {
        auto* added = new TypingGauge(title, bar, percentage, backPanel_);
        added->setObjectName(name);
        added->setGeometry(columnLeft(column), 36, ColumnWidth, 22);
        return added;
    };
    completedGauge_ = addGauge(0, QStringLiteral("Completed"), Qt::red, Percentage::Shown,
                               QStringLiteral("completedGauge"));
    accuracyGauge_ = addGauge(1, QStringLiteral("Accuracy"), QColor(0, 255, 0), Percentage::Shown,
                              QStringLiteral("accuracyGauge"));
    speedGauge_ = addGauge(2, SpeedTitle, QColor(0, 255, 255), Percentage::Hidden,
                           QStringLiteral("speedGauge"));
    speedGauge_->setMaximum(typing::TypingScorer::SpeedMaximum);

    wpmLabel_ = new QLabel(QStringLiteral("0 WPM"), backPanel_);
    wpmLabel_->setObjectName(QStringLiteral("wpmLabel"));
    wpmLabel_->setGeometry(speedGauge_->geometry());
    wpmLabel_->setAlignment(Qt::AlignCenter);
    accessible::showValue(wpmLabel_, SpeedTitle, wpmLabel_->text());
    wpmLabel_->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; background: transparent; }"));
}

void TypingResultDialog::buildPractiseList()
{
    practiseTitle_ = new QLabel(PractiseTitle, backPanel_);
    practiseTitle_->setObjectName(QStringLiteral("practiseTitle"));
    practiseTitle_->setGeometry(columnLeft(0), 132, 507, 22);
    practiseTitle_->setAlignment(Qt::AlignCenter);
    practiseTitle_->setStyleSheet(QStringLiteral(
        "QLabel { background: #202060; color: white; font-weight: bold; border: 1px solid black; }"));

    practiseList_ = new QListWidget(backPanel_);
    practiseList_->setObjectName(QStringLiteral("practiseList"));
    practiseList_->setGeometry(columnLeft(0), 158, 120, 218);
    practiseList_->setAccessibleName(QStringLiteral("Characters to practise"));
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(27);
    listFont.setBold(true);
    practiseList_->setFont(listFont);
}

void TypingResultDialog::buildCertificatePanel()
{
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
}

void TypingResultDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TypingResultDialog::showResult(const typing::ExerciseResult& result)
{
    result_ = result;
    completedGauge_->setReading(result_.completed);
    accuracyGauge_->setReading(result_.accuracy);
    speedGauge_->setReading(result_.speed);
    wpmLabel_->setText(result_.wpmText());
    accessible::showValue(wpmLabel_, SpeedTitle, wpmLabel_->text());
    showGrades(typing::grade(result_));
}

void TypingResultDialog::showGrades(const typing::TypingGrades& grades)
{
    completionSentence_->setText(grades.completion);
    accuracySentence_->setText(grades.accuracy);
    speedSentence_->setText(grades.speed);
    practiseList_->clear();
    practiseList_->addItems(grades.toPractise);
    practiseTitle_->setVisible(grades.practiseShown);
    practiseList_->setVisible(grades.practiseShown);
    certificatePanel_->setVisible(grades.certificateOffered);
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
    certificate::draw(painter, result_, nameEdit_->text(), services_.clock.now().date(), QLocale());
    painter.end();
}
