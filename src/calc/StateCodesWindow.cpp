#include "calc/StateCodesWindow.h"

#include "app/Panel.h"
#include "calc/StateCodes.h"
#include "common/HelpText.h"
#include "common/Palette.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

const QString Caption = QStringLiteral("USA State Codes");
const QString HelpTitle = QStringLiteral("USA State Code Lookup Utility");
const QString TitleText = QStringLiteral("USA State Code\nLookup Utility");
const QString ByCodeText = QStringLiteral("By Code");
const QString ByStateText = QStringLiteral("By State");

constexpr QSize ClientSize(282, 233);
const QColor Silver(192, 192, 192);

QFont courier(int pixels)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixels);
    return font;
}

// The stars and stripes, small: thirteen stripes and a blue field of dots.
QPixmap flagPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const double stripe = size.height() / 13.0;
    for (int i = 0; i < 13; i += 2)
        painter.fillRect(QRectF(0, i * stripe, size.width(), stripe), QColor(178, 34, 52));
    const QRectF field(0, 0, size.width() * 0.4, stripe * 7);
    painter.fillRect(field, QColor(60, 59, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 6; ++column)
            painter.drawEllipse(QPointF(field.left() + 2.5 + column * (field.width() - 5) / 5.0,
                                        field.top() + 2.5 + row * (field.height() - 5) / 4.0),
                                0.9, 0.9);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

QComboBox* stateList(QWidget* parent, const QString& name, const QString& accessible, const QStringList& items,
                     int y)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setFont(courier(13));
    box->setEditable(false);
    box->setMaxVisibleItems(15);
    // Some styles open the list over the whole screen; this keeps it to 15 rows.
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setGeometry(21, y, 240, 26);
    box->installEventFilter(parent->window());
    return box;
}

} // namespace

StateCodesWindow::StateCodesWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("StateCodesWindow"));
    setWindowTitle(Caption);
    setFont(courier(13));
    setWindowColour(this, Silver);

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    content_->setGeometry(QRect(QPoint(0, 0), ClientSize));

    flag_ = new QLabel(content_);
    flag_->setObjectName(QStringLiteral("flag"));
    flag_->setGeometry(22, 26, 74, 36);
    flag_->setPixmap(flagPicture(QSize(74, 36)));

    auto* title = new QLabel(TitleText, content_);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(courier(16));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(100, 22, 170, 44);

    auto* byCode = new QLabel(ByCodeText, content_);
    byCode->setObjectName(QStringLiteral("byCodeLabel"));
    byCode->setGeometry(21, 80, 240, 18);
    byCodeList_ = stateList(content_, QStringLiteral("byCodeList"), ByCodeText, statecodes::byCodeItems(), 98);
    byCode->setBuddy(byCodeList_);

    auto* byState = new QLabel(ByStateText, content_);
    byState->setObjectName(QStringLiteral("byStateLabel"));
    byState->setGeometry(21, 146, 240, 18);
    byStateList_ = stateList(content_, QStringLiteral("byStateList"), ByStateText, statecodes::byStateItems(), 164);
    byState->setBuddy(byStateList_);

    helpPanel()->raise();
    closePanel()->raise();
    setHelpText(buildHelpText(HelpTitle,
                              {
                                  {QStringLiteral("This utility allows you to lookup American State Codes. ")},
                                  {QStringLiteral("To use, decide whether you wish to search by Code or")},
                                  {QStringLiteral("by state, and click on the appropriate box.  Enter the")},
                                  {QStringLiteral("first letter of the state/code and scroll the list to")},
                                  {QStringLiteral("find the desired entry.  ")},
                              }));
}

void StateCodesWindow::activated()
{
    const bool maximise = statecodes::maximisedInProfile(statecodes::profilePath());
    if (maximise == isMaximized())
        return;
    if (maximise) {
        // The frame's fixed size would keep the window from growing.
        setMinimumSize(ClientSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setFixedSize(ClientSize);
    }
}

bool StateCodesWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QComboBox*>(watched);
    if (event->type() != QEvent::KeyPress || (box != byCodeList_ && box != byStateList_))
        return ToolWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isLetterOrNumber()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    // A letter picks the next entry starting with it, wrapping round, so
    // pressing it again walks through all of them.
    const int count = box->count();
    for (int step = 1; step <= count; ++step) {
        const int index = (box->currentIndex() + step) % count;
        if (box->itemText(index).startsWith(text, Qt::CaseInsensitive)) {
            box->setCurrentIndex(index);
            break;
        }
    }
    return true;
}

void StateCodesWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    // Maximised, the lists stay together in the middle and "X" in its corner.
    content_->move((width() - ClientSize.width()) / 2, (height() - ClientSize.height()) / 2);
    closePanel()->move(width() - 20, 1);
}
