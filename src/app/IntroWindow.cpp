#include "app/IntroWindow.h"

#include "app/NoticeList.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Palette.h"
#include "platform/WebAddress.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QResizeEvent>
#include <QScreen>
#include <QtMath>

namespace {

const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QSize kWindowSize(355, 464);

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* textLine(QWidget* parent, const QString& text, const QFont& font, const QColor& colour,
                 const QRect& geometry, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    setPaletteColour(label, QPalette::WindowText, colour);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    // The labels are lettering on the picture or panel beneath: a click on
    // them belongs to what they are written on.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The heading and the small print are written twice: black, then red two
// pixels to the left on top of it, which reads as a shadow.
void shadowedLine(QWidget* parent, const QString& text, const QFont& font, const QRect& geometry,
                  const QString& name)
{
    QLabel* shadow = textLine(parent, text, font, Qt::black, geometry);
    shadow->setObjectName(name + QStringLiteral("Shadow"));
    // A reader hears the line once, from the top copy.
    accessible::markDecoration(shadow);
    QLabel* top = textLine(parent, text, font, Qt::red, geometry.translated(-2, 0));
    top->setObjectName(name);
}

// A green field lit from the top, with soft rays fanning out from the
// upper left and a faint ring of light behind the heading.
QPixmap drawBackground(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient field(area.topLeft(), area.bottomLeft());
    field.setColorAt(0.0, QColor(40, 168, 64));
    field.setColorAt(0.55, kGreen);
    field.setColorAt(1.0, QColor(0, 72, 24));
    painter.fillRect(area, field);

    const QPointF origin(-size.width() * 0.15, -size.height() * 0.1);
    const qreal reach = std::hypot(area.width(), area.height()) * 1.3;
    painter.setPen(Qt::NoPen);
    for (int ray = 0; ray < 9; ++ray) {
        const qreal from = qDegreesToRadians(8.0 + ray * 9.0);
        const qreal to = from + qDegreesToRadians(4.0);
        QPainterPath wedge(origin);
        wedge.lineTo(origin + reach * QPointF(std::cos(from), std::sin(from)));
        wedge.lineTo(origin + reach * QPointF(std::cos(to), std::sin(to)));
        wedge.closeSubpath();
        painter.setBrush(QColor(255, 255, 200, 18));
        painter.drawPath(wedge);
    }

    const QPointF glowCentre(area.width() / 2, 22);
    QRadialGradient glow(glowCentre, area.width() * 0.6);
    glow.setColorAt(0.0, QColor(255, 255, 210, 110));
    glow.setColorAt(1.0, QColor(255, 255, 210, 0));
    painter.setBrush(glow);
    painter.drawEllipse(glowCentre, area.width() * 0.6, 40);

    painter.setPen(QPen(QColor(0, 48, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    return picture;
}

// The picture behind everything, redrawn to the window's size.
class BackgroundPicture : public QLabel {
public:
    explicit BackgroundPicture(QWidget* parent) : QLabel(parent)
    {
        setObjectName(QStringLiteral("backgroundPicture"));
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        if (!event->size().isEmpty())
            setPixmap(drawBackground(event->size()));
    }
};

} // namespace

IntroWindow::IntroWindow(platform::WebAddress& webAddress, QWidget* parent)
    : QWidget(parent, Qt::Tool), webAddress_(webAddress)
{
    setObjectName(QStringLiteral("IntroWindow"));
    setWindowTitle(QStringLiteral("Introduction"));
    setAutoFillBackground(true);
    setWindowColour(this, kGreen);
    resize(kWindowSize);
    buildLayout();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString IntroWindow::heading() { return QStringLiteral("Orvik 2000 - Millenium Edition"); }

QString IntroWindow::footer()
{
    return QStringLiteral("Orvik 2000 for Linux - built with Qt and other free software");
}

QStringList IntroWindow::welcomeText()
{
    return {
        QStringLiteral("Welcome to Orvik 2000 - Millennium edition.  16 'orvik' "),
        QStringLiteral("programs in one package - and now absolutely FREE!"),
        QString(),
        QStringLiteral("If you enjoy this program and appreciate the amount of"),
        QStringLiteral("effort that has gone into it, then you can encourage the"),
        QStringLiteral("development of more FREE software by purchasing goods "),
        QStringLiteral("from  our sponsoring web sites.  (We only receive commission"),
        QStringLiteral("on actual sales.)  There is off course no obligation!"),
        QString(),
        QStringLiteral("To use Orvik 2000, simply left-click on the hand icon in the"),
        QStringLiteral("icon tray on your taskbar.  From the menu simply click on the"),
        QStringLiteral("program you wish to run."),
        QString(),
        QStringLiteral("To close Orvik, right-click on the hand icon."),
        QString(),
        QStringLiteral("We hope that you enjoy using this program - please feel"),
        QStringLiteral("free to give copies to all your friends!"),
        QString(),
        QStringLiteral("Have Fun."),
        QString(),
        QString(),
        QStringLiteral("The Orvik 2000 team"),
        QStringLiteral("(Orvik 2000 for Linux, built with Qt)"),
    };
}

QString IntroWindow::downloadSiteName() { return QStringLiteral("the Debian archive"); }

QUrl IntroWindow::downloadSite() { return QUrl(QStringLiteral("https://packages.debian.org/")); }

QStringList IntroWindow::postscriptLines()
{
    return {
        QStringLiteral("P.S.  We always upload the latest version of "),
        QStringLiteral("Orvik 2000 to ") + downloadSiteName() + QStringLiteral(".  Click here to "),
        QStringLiteral("visit their site.  "),
    };
}

void IntroWindow::buildLayout()
{
    focusSink_ = NoticeList::makeFocusSink(this);

    background_ = new BackgroundPicture(this);
    background_->setGeometry(rect());

    shadowedLine(this, heading(), pixelFont(QStringLiteral("Times New Roman"), 21, true),
                 QRect(2, 8, 353, 28), QStringLiteral("heading"));

    welcomeList_ = new NoticeList(welcomeText(), focusSink_, this);
    welcomeList_->setObjectName(QStringLiteral("welcomeList"));
    welcomeList_->setFont(pixelFont(QStringLiteral("Arial"), 11, false));
    welcomeList_->setGeometry(10, 42, 335, 322);
    welcomeList_->setAccessibleName(QStringLiteral("Welcome"));

    buildPostscript();

    shadowedLine(this, footer(), pixelFont(QStringLiteral("Arial"), 11, true), QRect(2, 439, 353, 18),
                 QStringLiteral("footer"));
}

void IntroWindow::buildPostscript()
{
    postscriptPanel_ = new Panel(this);
    postscriptPanel_->setObjectName(QStringLiteral("postscriptPanel"));
    postscriptPanel_->setGeometry(10, 372, 335, 60);
    postscriptPanel_->setColour(kNavy);
    postscriptPanel_->setBevel(Panel::Bevel::Raised, 1);
    postscriptPanel_->setCursor(Qt::PointingHandCursor);
    postscriptPanel_->setToolTip(downloadSite().toString());
    const QStringList lines = postscriptLines();
    postscriptPanel_->setAccessibleName(lines.join(QString()));
    const QFont font = pixelFont(QStringLiteral("Arial"), 11, true);
    // The panel says the whole postscript as one link; its lines and their
    // shadows would only say it again, piecemeal.
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line(0, 5 + i * 17, postscriptPanel_->width(), 17);
        QLabel* shadow = textLine(postscriptPanel_, lines[i], font, Qt::black, line.translated(1, 1));
        shadow->setObjectName(QStringLiteral("postscriptShadow%1").arg(i + 1));
        accessible::markDecoration(shadow);
        QLabel* shown = textLine(postscriptPanel_, lines[i], font, Qt::white, line);
        shown->setObjectName(QStringLiteral("postscriptLine%1").arg(i + 1));
        accessible::markDecoration(shown);
    }
    connect(postscriptPanel_, &Panel::clicked, this, &IntroWindow::openDownloadSite);
}

void IntroWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The picture fills the window whatever size the user gives it.
    if (background_)
        background_->setGeometry(rect());
}

void IntroWindow::openDownloadSite() { webAddress_.open(downloadSite()); }
