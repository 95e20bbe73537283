#include "typing/TypingTutorWindow.h"

#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "platform/Clock.h"
#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "typing/TypingResultDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr QRect RestingBox(16, 32, 745, 337);
constexpr int RunningTop = 40;
constexpr QSize DigitSize(22, 34);
constexpr int GaugeLeft = 250;
constexpr int GaugeWidth = 165;
constexpr int GaugeGap = 8;
const QColor InfoYellow(255, 255, 225);
const QColor PanelBlue(200, 208, 232);
const QString SpeedTitle = QStringLiteral("Speed");

QPixmap digitPicture(int digit)
{
    QPixmap pixmap(DigitSize);
    pixmap.fill(QColor(16, 16, 16));
    QPainter p(&pixmap);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 48, 32));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(digit));
    return pixmap;
}

QTextCharFormat plainBlack()
{
    QTextCharFormat format;
    format.setForeground(Qt::black);
    format.setFontUnderline(false);
    return format;
}

QTextCharFormat typedMark()
{
    QTextCharFormat format;
    format.setForeground(Qt::red);
    format.setFontUnderline(true);
    return format;
}

// The text box shows CR LF as one paragraph break.
QString shown(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (result.endsWith(QLatin1Char('\n')))
        result.chop(1);
    return result;
}

void makeBold(QLabel* label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

QString readable(QChar c)
{
    if (c == QLatin1Char(' '))
        return QStringLiteral("space");
    return QString(c);
}

} // namespace

TypingTutorWindow::TypingTutorWindow(const UtilityServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , services_(services)
{
    setWindowTitle(Caption);
    setFixedSize(WindowWidth, CreatedHeight);
    for (int digit = 0; digit < DigitCount; ++digit)
        digitPictures_[digit] = digitPicture(digit);

    buildLayout();

    speedTimer_ = new QTimer(this);
    speedTimer_->setObjectName(QStringLiteral("speedTimer"));
    speedTimer_->setInterval(typing::TypingScorer::TickMs);
    connect(speedTimer_, &QTimer::timeout, this, &TypingTutorWindow::updateSpeed);

    // Key preview: every key meant for this window comes here first.
    qApp->installEventFilter(this);
}

TypingTutorWindow::~TypingTutorWindow() { qApp->removeEventFilter(this); }

QWidget* TypingTutorWindow::buildDayPage(int day)
{
    const typing::CourseDay& course = typing::courseDay(day);
    auto* page = new QWidget(dayPages_);
    page->setObjectName(QStringLiteral("day%1Page").arg(day));

    auto* title = new QLabel(course.pageTitle, page);
    title->setObjectName(QStringLiteral("day%1Title").arg(day));
    title->setGeometry(8, 0, 310, 52);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    title->setFont(titleFont);

    int x = 328;
    for (const typing::KeyCap& key : course.keys) {
        auto* cap = new QLabel(key.caption, page);
        cap->setGeometry(x, 6, 40, 40);
        cap->setAlignment(Qt::AlignCenter);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(16);
        font.setBold(true);
        font.setUnderline(key.underlined);
        cap->setFont(font);
        cap->setStyleSheet(QStringLiteral(
            "QLabel { background: #D8D8D8; border: 1px solid #808080; border-radius: 7px; }"));
        const QString hint = typing::fingerHint(key.finger, key.hand);
        cap->setToolTip(hint);
        accessible::showValue(cap, key.caption, hint);
        x += 44;
    }
    return page;
}

void TypingTutorWindow::buildLayout()
{
    dayPages_ = new QStackedWidget(this);
    dayPages_->setObjectName(QStringLiteral("dayPages"));
    dayPages_->setGeometry(5, 4, 772, 52);
    for (int day = 1; day <= typing::DayCount; ++day)
        dayPages_->addWidget(buildDayPage(day));

    buildTypingPanel();

    controlPanel_ = new Panel(this);
    controlPanel_->setObjectName(QStringLiteral("controlPanel"));
    controlPanel_->setColour(QColor(182, 182, 170));
    controlPanel_->setBevel(Panel::Bevel::Raised, 1);
    controlPanel_->setGeometry(5, 456, 772, 106);

    focusHolder_ = new QLineEdit(controlPanel_);
    focusHolder_->setObjectName(QStringLiteral("focusHolder"));
    focusHolder_->setGeometry(0, 0, 1, 1);
    focusHolder_->setFrame(false);
    focusHolder_->setStyleSheet(QStringLiteral("background: transparent; color: transparent;"));
    focusHolder_->setAccessibleName(QStringLiteral("Typing Tutor"));

    buildDayDisplay();
    buildExerciseButtons();
    buildGauges();
    showGauges();
}

void TypingTutorWindow::buildTypingPanel()
{
    typingPanel_ = new Panel(this);
    typingPanel_->setObjectName(QStringLiteral("typingPanel"));
    typingPanel_->setColour(PanelBlue);
    typingPanel_->setBevel(Panel::Bevel::Lowered, 1);
    typingPanel_->setGeometry(5, 60, 772, 392);

    typingBox_ = new QTextEdit(typingPanel_);
    typingBox_->setObjectName(QStringLiteral("typingBox"));
    typingBox_->setReadOnly(true);
    typingBox_->setTextInteractionFlags(Qt::NoTextInteraction);
    typingBox_->setFrameShape(QFrame::NoFrame);
    typingBox_->setFocusPolicy(Qt::NoFocus);
    typingBox_->setLineWrapMode(QTextEdit::NoWrap);
    typingBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    typingBox_->viewport()->setCursor(Qt::ArrowCursor);
    typingBox_->setAccessibleName(QStringLiteral("Typing"));
    QPalette info = typingBox_->palette();
    info.setColor(QPalette::Base, InfoYellow);
    info.setColor(QPalette::Text, Qt::black);
    typingBox_->setPalette(info);
    // 19 pixels from line to line: 67 columns fit the widest box.
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(17);
    courier.setStyleHint(QFont::TypeWriter);
    typingBox_->setFont(courier);
    typingBox_->document()->setDefaultFont(courier);
    typingBox_->setGeometry(RestingBox);
    typingBox_->installEventFilter(this);
    typingBox_->viewport()->installEventFilter(this);
}

// The two digits of the day with "Day" under them.
void TypingTutorWindow::buildDayDisplay()
{
    tensDigit_ = new QLabel(controlPanel_);
    tensDigit_->setObjectName(QStringLiteral("tensDigit"));
    tensDigit_->setGeometry(14, 14, DigitSize.width(), DigitSize.height());
    // The units digit says the whole day number.
    accessible::markDecoration(tensDigit_);
    unitsDigit_ = new QLabel(controlPanel_);
    unitsDigit_->setObjectName(QStringLiteral("unitsDigit"));
    unitsDigit_->setGeometry(14 + DigitSize.width(), 14, DigitSize.width(), DigitSize.height());
    auto* dayLabel = new QLabel(QStringLiteral("Day"), controlPanel_);
    dayLabel->setGeometry(14, 52, 2 * DigitSize.width(), 18);
    dayLabel->setAlignment(Qt::AlignCenter);
    makeBold(dayLabel);
}

// The day arrows, and Start with Cancel in its place while typing.
void TypingTutorWindow::buildExerciseButtons()
{
    previousDayButton_ = new QToolButton(controlPanel_);
    previousDayButton_->setObjectName(QStringLiteral("previousDayButton"));
    previousDayButton_->setArrowType(Qt::LeftArrow);
    previousDayButton_->setGeometry(70, 20, 34, 34);
    previousDayButton_->setAccessibleName(QStringLiteral("Previous day"));
    previousDayButton_->setEnabled(false);
    connect(previousDayButton_, &QToolButton::clicked, this, &TypingTutorWindow::previousDay);
    nextDayButton_ = new QToolButton(controlPanel_);
    nextDayButton_->setObjectName(QStringLiteral("nextDayButton"));
    nextDayButton_->setArrowType(Qt::RightArrow);
    nextDayButton_->setGeometry(108, 20, 34, 34);
    nextDayButton_->setAccessibleName(QStringLiteral("Next day"));
    connect(nextDayButton_, &QToolButton::clicked, this, &TypingTutorWindow::nextDay);

    startButton_ = new QPushButton(QStringLiteral("Start"), controlPanel_);
    startButton_->setObjectName(QStringLiteral("startButton"));
    startButton_->setGeometry(152, 20, 84, 34);
    connect(startButton_, &QPushButton::clicked, this, &TypingTutorWindow::startExercise);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), controlPanel_);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(152, 20, 84, 34);
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &TypingTutorWindow::cancelExercise);
    // Buttons never take the focus away from the keys being typed.
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(previousDayButton_),
                                    static_cast<QAbstractButton*>(nextDayButton_),
                                    static_cast<QAbstractButton*>(startButton_),
                                    static_cast<QAbstractButton*>(cancelButton_)})
        button->setFocusPolicy(Qt::NoFocus);
}

// Three columns, each a raised title over its gauge; the words per minute lie
// over the speed gauge.
void TypingTutorWindow::buildGauges()
{
    const auto addGauge = [&](int column, const QString& title, const QColor& bar,
                              TypingGauge::Percentage percentage, const QString& name) {
        const int x = GaugeLeft + column * (GaugeWidth + GaugeGap);
        auto* heading = new QLabel(title, controlPanel_);
        heading->setGeometry(x, 14, GaugeWidth, 20);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFrameShape(QFrame::Panel);
        heading->setFrameShadow(QFrame::Raised);
        makeBold(heading);
        auto* added = new TypingGauge(title, bar, percentage, controlPanel_);
        added->setObjectName(name);
        added->setGeometry(x, 38, GaugeWidth, 22);
        return added;
    };
    using Percentage = TypingGauge::Percentage;
    completedGauge_ = addGauge(0, QStringLiteral("Completed"), Qt::red, Percentage::Shown,
                               QStringLiteral("completedGauge"));
    accuracyGauge_ = addGauge(1, QStringLiteral("Accuracy"), QColor(0, 160, 0), Percentage::Shown,
                              QStringLiteral("accuracyGauge"));
    speedGauge_ = addGauge(2, SpeedTitle, QColor(96, 150, 255), Percentage::Hidden,
                           QStringLiteral("speedGauge"));
    wpmLabel_ = new QLabel(scorer_.wpmText(), controlPanel_);
    wpmLabel_->setObjectName(QStringLiteral("wpmLabel"));
    wpmLabel_->setGeometry(speedGauge_->geometry());
    wpmLabel_->setAlignment(Qt::AlignCenter);
    accessible::showValue(wpmLabel_, SpeedTitle, wpmLabel_->text());
    wpmLabel_->setStyleSheet(QStringLiteral("QLabel { color: black; font-weight: bold; background: transparent; }"));
}

void TypingTutorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    prepareShowing();
}

void TypingTutorWindow::prepareShowing()
{
    setFixedSize(WindowWidth, ShownHeight);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    scorer_.suspend();
    focusHolder_->setFocus();
    showDayInstructions();
    // A fresh results window for every showing; the last one is not needed.
    if (resultDialog_)
        resultDialog_->deleteLater();
    resultDialog_ = new TypingResultDialog(services_, this);
}

void TypingTutorWindow::showDayInstructions()
{
    tensDigit_->setPixmap(digitPictures_[day_ / 10]);
    unitsDigit_->setPixmap(digitPictures_[day_ % 10]);
    accessible::showValue(unitsDigit_, QStringLiteral("Day"), QString::number(day_));

    typingBox_->hide();
    typingBox_->setGeometry(RestingBox);
    typingBox_->setCurrentCharFormat(plainBlack());
    typingBox_->clear();
    typingBox_->setPlainText(typing::courseDay(day_).instructions.join(QLatin1Char('\n')));
    marked_ = 0;
    // Only the first day's page is longer than the box.
    typingBox_->setVerticalScrollBarPolicy(day_ == 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    typingBox_->setAccessibleDescription(typing::courseDay(day_).pageTitle);
    typingBox_->show();
}

void TypingTutorWindow::previousDay()
{
    if (day_ <= 1 || exerciseRunning())
        return;
    --day_;
    previousDayButton_->setEnabled(day_ > 1);
    nextDayButton_->setEnabled(true);
    showDayInstructions();
    dayPages_->setCurrentIndex(day_ - 1);
}

void TypingTutorWindow::nextDay()
{
    if (day_ >= typing::DayCount || exerciseRunning())
        return;
    ++day_;
    nextDayButton_->setEnabled(day_ < typing::DayCount);
    previousDayButton_->setEnabled(true);
    showDayInstructions();
    dayPages_->setCurrentIndex(day_ - 1);
}

void TypingTutorWindow::startExercise()
{
    speedTimer_->stop();
    scorer_.start(typing::exerciseText(day_));
    startButton_->hide();
    previousDayButton_->hide();
    nextDayButton_->hide();

    const typing::CourseDay& course = typing::courseDay(day_);
    typingBox_->hide();
    typingBox_->setGeometry(course.boxLeft, RunningTop, course.boxWidth, RestingBox.height());
    typingBox_->setCurrentCharFormat(plainBlack());
    typingBox_->setPlainText(shown(scorer_.text()));
    typingBox_->verticalScrollBar()->setValue(0);
    typingBox_->show();
    marked_ = 0;
    markTyped();
    showGauges();
    cancelButton_->show();
    focusHolder_->setFocus();
}

int TypingTutorWindow::documentPosition(int textIndex) const
{
    const QString& text = scorer_.text();
    return textIndex - int(text.left(textIndex).count(QLatin1Char('\r')));
}

void TypingTutorWindow::markTyped()
{
    const int upTo = scorer_.markedLength();
    if (upTo > marked_) {
        // The box holds no paragraph after the last line break.
        const int last = typingBox_->document()->characterCount() - 1;
        QTextCursor cursor(typingBox_->document());
        cursor.setPosition(std::min(documentPosition(marked_), last));
        cursor.setPosition(std::min(documentPosition(upTo), last), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(typedMark());
        marked_ = upTo;
    }
    describeTypingPosition();
}

void TypingTutorWindow::describeTypingPosition()
{
    const QString& text = scorer_.text();
    const int at = scorer_.position();
    if (at < text.size())
        typingBox_->setAccessibleDescription(QStringLiteral("Next: %1, character %2 of %3")
                                                 .arg(readable(text.at(at)))
                                                 .arg(at + 1)
                                                 .arg(text.size()));
}

void TypingTutorWindow::showGauges()
{
    completedGauge_->setReading(scorer_.completed());
    accuracyGauge_->setReading(scorer_.accuracy());
    speedGauge_->setReading(scorer_.speed());
    // The words per minute lie over the speed gauge: a reader hears them there.
    accessible::showValue(wpmLabel_, SpeedTitle, wpmLabel_->text());
}

void TypingTutorWindow::scoreKey(QChar c)
{
    const auto result = scorer_.key(c, services_.clock.now());
    using Result = typing::TypingScorer::KeyResult;
    if (result == Result::Idle || result == Result::Ignored)
        return;
    if (scorer_.clockRunning() && !speedTimer_->isActive())
        speedTimer_->start();
    if (result != Result::Wrong)
        markTyped();
    showGauges();
    if (result == Result::Finished)
        endExercise();
}

void TypingTutorWindow::updateSpeed()
{
    if (!scorer_.tick(services_.clock.now()))
        return;
    wpmLabel_->setText(scorer_.wpmText());
    showGauges();
}

void TypingTutorWindow::cancelExercise() { endExercise(); }

void TypingTutorWindow::endExercise()
{
    scorer_.finish();
    speedTimer_->stop();
    cancelButton_->hide();
    startButton_->show();

    if (!resultDialog_)
        resultDialog_ = new TypingResultDialog(services_, this);
    resultDialog_->showResult(scorer_.result(day_));

    scorer_.resetGauges();
    wpmLabel_->setText(scorer_.wpmText());
    showGauges();
    showDayInstructions();
    previousDayButton_->show();
    nextDayButton_->show();

    resultDialog_->showModal();
}

// A click in the box moves nothing: while typing it only puts the Completed
// gauge back on the typing position; at rest the focus goes back where keys
// are taken.
void TypingTutorWindow::keepTypingPosition()
{
    if (exerciseRunning()) {
        scorer_.resyncCompleted();
        showGauges();
    } else {
        focusHolder_->setFocus();
    }
}

bool TypingTutorWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this)
            break;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().isEmpty())
            break;
        for (QChar c : key->text())
            scoreKey(c);
        return true;   // consumed: the focused control never sees it
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == typingBox_->viewport()) {
            keepTypingPosition();
            return true;   // no selection, no moved typing position
        }
        break;
    case QEvent::FocusIn:
        if (watched == typingBox_) {
            focusHolder_->setFocus();   // the box never shows a caret
            return false;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
