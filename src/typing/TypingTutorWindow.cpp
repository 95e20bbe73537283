#include "typing/TypingTutorWindow.h"

#include "app/Panel.h"
#include "typing/TypingResultDialog.h"
#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "platform/Clock.h"

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
const QColor InfoYellow(255, 255, 225);
const QColor PanelBlue(200, 208, 232);

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
    setObjectName(QStringLiteral("frmTyping"));
    setWindowTitle(Caption);
    setFixedSize(FormWidth, FormHeight);
    for (int d = 0; d < 10; ++d)
        N[d] = digitPicture(d);

    buildLayout();

    timKey = new QTimer(this);
    timKey->setObjectName(QStringLiteral("timKey"));
    timKey->setInterval(typing::TypingScorer::TickMs);
    connect(timKey, &QTimer::timeout, this, &TypingTutorWindow::timKeyTimer);

    // Key preview: every key meant for this window comes here first.
    qApp->installEventFilter(this);
}

TypingTutorWindow::~TypingTutorWindow() { qApp->removeEventFilter(this); }

QWidget* TypingTutorWindow::buildPage(int day)
{
    const typing::CourseDay& course = typing::courseDay(day);
    auto* page = new QWidget(Page);
    page->setObjectName(QStringLiteral("Ex%1").arg(day));

    auto* title = new QLabel(course.pageTitle, page);
    title->setObjectName(QStringLiteral("ExTitle%1").arg(day));
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
        cap->setAccessibleName(key.caption + QStringLiteral(": ") + hint);
        x += 44;
    }
    return page;
}

void TypingTutorWindow::buildLayout()
{
    Page = new QStackedWidget(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setGeometry(5, 4, 772, 52);
    for (int day = 1; day <= typing::DayCount; ++day)
        Page->addWidget(buildPage(day));

    panType = new Panel(this);
    panType->setObjectName(QStringLiteral("panType"));
    panType->setColour(PanelBlue);
    panType->setBevel(Panel::Bevel::Lowered, 1);
    panType->setGeometry(5, 60, 772, 392);

    TypeBox = new QTextEdit(panType);
    TypeBox->setObjectName(QStringLiteral("TypeBox"));
    TypeBox->setReadOnly(true);
    TypeBox->setTextInteractionFlags(Qt::NoTextInteraction);
    TypeBox->setFrameShape(QFrame::NoFrame);
    TypeBox->setFocusPolicy(Qt::NoFocus);
    TypeBox->setLineWrapMode(QTextEdit::NoWrap);
    TypeBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TypeBox->viewport()->setCursor(Qt::ArrowCursor);
    TypeBox->setAccessibleName(QStringLiteral("Typing"));
    QPalette info = TypeBox->palette();
    info.setColor(QPalette::Base, InfoYellow);
    info.setColor(QPalette::Text, Qt::black);
    TypeBox->setPalette(info);
    // 19 pixels from line to line: 67 columns fit the widest box.
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(17);
    courier.setStyleHint(QFont::TypeWriter);
    TypeBox->setFont(courier);
    TypeBox->document()->setDefaultFont(courier);
    TypeBox->setGeometry(RestingBox);
    TypeBox->installEventFilter(this);
    TypeBox->viewport()->installEventFilter(this);

    panEx = new Panel(this);
    panEx->setObjectName(QStringLiteral("panEx"));
    panEx->setColour(QColor(182, 182, 170));
    panEx->setBevel(Panel::Bevel::Raised, 1);
    panEx->setGeometry(5, 456, 772, 106);

    editGrabFocus = new QLineEdit(panEx);
    editGrabFocus->setObjectName(QStringLiteral("editGrabFocus"));
    editGrabFocus->setGeometry(0, 0, 1, 1);
    editGrabFocus->setFrame(false);
    editGrabFocus->setStyleSheet(QStringLiteral("background: transparent; color: transparent;"));
    editGrabFocus->setAccessibleName(QStringLiteral("Typing Tutor"));

    digEx1 = new QLabel(panEx);
    digEx1->setObjectName(QStringLiteral("digEx1"));
    digEx1->setGeometry(14, 14, DigitSize.width(), DigitSize.height());
    digEx0 = new QLabel(panEx);
    digEx0->setObjectName(QStringLiteral("digEx0"));
    digEx0->setGeometry(14 + DigitSize.width(), 14, DigitSize.width(), DigitSize.height());
    auto* dayLabel = new QLabel(QStringLiteral("Day"), panEx);
    dayLabel->setGeometry(14, 52, 2 * DigitSize.width(), 18);
    dayLabel->setAlignment(Qt::AlignCenter);
    QFont bold = dayLabel->font();
    bold.setBold(true);
    dayLabel->setFont(bold);

    btnDecreaseEx = new QToolButton(panEx);
    btnDecreaseEx->setObjectName(QStringLiteral("btnDecreaseEx"));
    btnDecreaseEx->setArrowType(Qt::LeftArrow);
    btnDecreaseEx->setGeometry(70, 20, 34, 34);
    btnDecreaseEx->setAccessibleName(QStringLiteral("Previous day"));
    btnDecreaseEx->setEnabled(false);
    connect(btnDecreaseEx, &QToolButton::clicked, this, &TypingTutorWindow::btnDecreaseExClick);
    btnIncreaseEx = new QToolButton(panEx);
    btnIncreaseEx->setObjectName(QStringLiteral("btnIncreaseEx"));
    btnIncreaseEx->setArrowType(Qt::RightArrow);
    btnIncreaseEx->setGeometry(108, 20, 34, 34);
    btnIncreaseEx->setAccessibleName(QStringLiteral("Next day"));
    connect(btnIncreaseEx, &QToolButton::clicked, this, &TypingTutorWindow::btnIncreaseExClick);

    btnStart = new QPushButton(QStringLiteral("Start"), panEx);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setGeometry(152, 20, 84, 34);
    connect(btnStart, &QPushButton::clicked, this, &TypingTutorWindow::btnEx01Click);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), panEx);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(152, 20, 84, 34);
    btnCancel->hide();
    connect(btnCancel, &QPushButton::clicked, this, &TypingTutorWindow::btnCancelClick);
    for (QWidget* button : {static_cast<QWidget*>(btnDecreaseEx), static_cast<QWidget*>(btnIncreaseEx),
                            static_cast<QWidget*>(btnStart), static_cast<QWidget*>(btnCancel)})
        button->setFocusPolicy(Qt::NoFocus);

    const int gaugeWidth = 165;
    const char* titles[] = {"Completed", "Accuracy", "Speed"};
    for (int i = 0; i < 3; ++i) {
        auto* title = new QLabel(QString::fromLatin1(titles[i]), panEx);
        title->setGeometry(250 + i * (gaugeWidth + 8), 14, gaugeWidth, 20);
        title->setAlignment(Qt::AlignCenter);
        title->setFrameShape(QFrame::Panel);
        title->setFrameShadow(QFrame::Raised);
        title->setFont(bold);
    }
    gaugePercentDone = new TypingGauge(QStringLiteral("Completed"), Qt::red, true, panEx);
    gaugePercentDone->setObjectName(QStringLiteral("gaugePercentDone"));
    gaugePercentDone->setGeometry(250, 38, gaugeWidth, 22);
    gaugeAccuracy = new TypingGauge(QStringLiteral("Accuracy"), QColor(0, 160, 0), true, panEx);
    gaugeAccuracy->setObjectName(QStringLiteral("gaugeAccuracy"));
    gaugeAccuracy->setGeometry(250 + gaugeWidth + 8, 38, gaugeWidth, 22);
    gaugeSpeed = new TypingGauge(QStringLiteral("Speed"), QColor(96, 150, 255), false, panEx);
    gaugeSpeed->setObjectName(QStringLiteral("gaugeSpeed"));
    gaugeSpeed->setGeometry(250 + 2 * (gaugeWidth + 8), 38, gaugeWidth, 22);
    labWPM = new QLabel(scorer_.wpmText(), panEx);
    labWPM->setObjectName(QStringLiteral("labWPM"));
    labWPM->setGeometry(gaugeSpeed->geometry());
    labWPM->setAlignment(Qt::AlignCenter);
    labWPM->setAccessibleName(QStringLiteral("Speed"));
    labWPM->setStyleSheet(QStringLiteral("QLabel { color: black; font-weight: bold; background: transparent; }"));
    showGauges();
}

void TypingTutorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TypingTutorWindow::FormShow()
{
    setFixedSize(FormWidth, ShownHeight);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    scorer_.suspend();
    editGrabFocus->setFocus();
    RedrawExercise();
    // A fresh results window for every showing; the last one is not needed.
    if (result_)
        result_->deleteLater();
    result_ = new TypingResultDialog(this);
}

void TypingTutorWindow::RedrawExercise()
{
    digEx1->setPixmap(N[0]);
    digEx0->setPixmap(N[lessonDay_ % 10]);
    digEx0->setAccessibleName(QStringLiteral("Day %1").arg(lessonDay_));

    TypeBox->hide();
    TypeBox->setGeometry(RestingBox);
    TypeBox->setCurrentCharFormat(plainBlack());
    TypeBox->clear();
    TypeBox->setPlainText(typing::courseDay(lessonDay_).instructions.join(QLatin1Char('\n')));
    marked_ = 0;
    TypeBox->setVerticalScrollBarPolicy(lessonDay_ == 1 ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    TypeBox->setAccessibleDescription(typing::courseDay(lessonDay_).pageTitle);
    TypeBox->show();
}

void TypingTutorWindow::btnDecreaseExClick()
{
    if (lessonDay_ <= 1 || ExerciseRunning())
        return;
    --lessonDay_;
    btnDecreaseEx->setEnabled(lessonDay_ > 1);
    btnIncreaseEx->setEnabled(true);
    RedrawExercise();
    Page->setCurrentIndex(lessonDay_ - 1);
}

void TypingTutorWindow::btnIncreaseExClick()
{
    if (lessonDay_ >= typing::DayCount || ExerciseRunning())
        return;
    ++lessonDay_;
    btnIncreaseEx->setEnabled(lessonDay_ < typing::DayCount);
    btnDecreaseEx->setEnabled(true);
    RedrawExercise();
    Page->setCurrentIndex(lessonDay_ - 1);
}

void TypingTutorWindow::btnEx01Click()
{
    timKey->stop();
    scorer_.start(typing::exerciseText(lessonDay_));
    btnStart->hide();
    btnDecreaseEx->hide();
    btnIncreaseEx->hide();

    const typing::CourseDay& day = typing::courseDay(lessonDay_);
    TypeBox->hide();
    TypeBox->setGeometry(day.boxLeft, RunningTop, day.boxWidth, RestingBox.height());
    TypeBox->setCurrentCharFormat(plainBlack());
    TypeBox->setPlainText(shown(scorer_.text()));
    TypeBox->verticalScrollBar()->setValue(0);
    TypeBox->show();
    marked_ = 0;
    markTyped();
    showGauges();
    btnCancel->show();
    editGrabFocus->setFocus();
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
        const int last = TypeBox->document()->characterCount() - 1;
        QTextCursor cursor(TypeBox->document());
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
    const int at = scorer_.CursorPos();
    if (at < text.size())
        TypeBox->setAccessibleDescription(QStringLiteral("Next: %1, character %2 of %3")
                                              .arg(readable(text.at(at)))
                                              .arg(at + 1)
                                              .arg(text.size()));
}

void TypingTutorWindow::showGauges()
{
    gaugePercentDone->setReading(scorer_.completed);
    gaugeAccuracy->setReading(scorer_.accuracy);
    gaugeSpeed->setReading(scorer_.speed);
    gaugeSpeed->setAccessibleDescription(labWPM->text());
}

void TypingTutorWindow::txt09KeyPress(QChar c)
{
    const auto result = scorer_.key(c, platform::Clock::instance().now());
    using Result = typing::TypingScorer::KeyResult;
    if (result == Result::Idle || result == Result::Ignored)
        return;
    if (scorer_.clockRunning() && !timKey->isActive())
        timKey->start();
    if (result != Result::Wrong)
        markTyped();
    showGauges();
    if (result == Result::Finished)
        endExercise();
}

void TypingTutorWindow::timKeyTimer()
{
    if (!scorer_.tick(platform::Clock::instance().now()))
        return;
    labWPM->setText(scorer_.wpmText());
    showGauges();
}

void TypingTutorWindow::btnCancelClick() { endExercise(); }

void TypingTutorWindow::endExercise()
{
    scorer_.finish();
    timKey->stop();
    btnCancel->hide();
    btnStart->show();

    if (!result_)
        result_ = new TypingResultDialog(this);
    result_->gaugePercentDone()->setReading(scorer_.completed);
    result_->gaugeAccuracy()->setReading(scorer_.accuracy);
    result_->gaugeSpeed()->setReading(scorer_.speed);
    result_->labWPM()->setText(labWPM->text());

    scorer_.resetGauges();
    labWPM->setText(scorer_.wpmText());
    showGauges();
    RedrawExercise();
    btnDecreaseEx->show();
    btnIncreaseEx->show();

    result_->showModal();
}

void TypingTutorWindow::txt09MouseDown()
{
    if (ExerciseRunning()) {
        scorer_.resyncCompleted();
        showGauges();
    } else {
        editGrabFocus->setFocus();
    }
}

void TypingTutorWindow::TypeBoxEnter() { editGrabFocus->setFocus(); }

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
            txt09KeyPress(c);
        return true;   // consumed: the focused control never sees it
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == TypeBox->viewport()) {
            txt09MouseDown();
            return true;   // no selection, no moved typing position
        }
        break;
    case QEvent::FocusIn:
        if (watched == TypeBox) {
            TypeBoxEnter();
            return false;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
