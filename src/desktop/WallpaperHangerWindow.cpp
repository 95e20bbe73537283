#include "desktop/WallpaperHangerWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "desktop/PreviewLoader.h"
#include "desktop/PreviewPanel.h"
#include "desktop/WallpaperFolder.h"
#include "platform/PictureFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

using desktop::PreviewPanel;
using desktop::WallpaperPlacement;

namespace {

constexpr QSize ClientSize(341, 468);
constexpr int StripWidth = 21;
constexpr QRect ControlArea(StripWidth, StripWidth, 194, 426);
constexpr QRect PreviewArea(StripWidth + 194, StripWidth, 105, 427);
constexpr QSize FolderListSize(169, 297);
constexpr int LightSide = 14;
const QColor Silver(192, 192, 192);

const QString TileText = QStringLiteral("&Tile Wallpaper");
const QString CentreText = QStringLiteral("&Center Wallpaper");

// The indicator beside the chosen option: a small lit green lamp.
QPixmap lampPicture()
{
    QPixmap lamp(LightSide, LightSide);
    lamp.fill(Qt::black);
    QPainter painter(&lamp);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(LightSide * 0.38, LightSide * 0.35), LightSide * 0.6);
    glow.setColorAt(0.0, QColor(220, 255, 220));
    glow.setColorAt(0.35, QColor(40, 230, 40));
    glow.setColorAt(1.0, QColor(0, 90, 0));
    painter.setPen(QPen(QColor(0, 60, 0), 1));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(1, 1, LightSide - 2, LightSide - 2));
    return lamp;
}

Panel* panel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour,
             Panel::Bevel bevel, int bevelWidth)
{
    auto* made = new Panel(parent);
    made->setObjectName(name);
    made->setGeometry(geometry);
    made->setColour(colour);
    made->setBevel(bevel, bevelWidth);
    return made;
}

} // namespace

WallpaperHangerWindow::WallpaperHangerWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("WallpaperHanger"));
    setWindowTitle(Caption);
    setWindowColour(this, Silver);

    loader_ = new desktop::PreviewLoader(QSize(PreviewPanel::PictureSide, PreviewPanel::PictureSide), this);
    connect(loader_, &desktop::PreviewLoader::previewReady, this, &WallpaperHangerWindow::placePreview);
    connect(loader_, &desktop::PreviewLoader::finished, this, &WallpaperHangerWindow::previewsLoaded);

    buildLayout();

    // The placement the desktop has now, applied at once: opening the window
    // rewrites the stored placement even when nothing else changes.
    choosePlacement(desktop::storedPlacement());

    fillDrives();
    openFolder(platform::systemPictureFolder());

    setHelpText(buildHelpText(
        Caption,
        {
            {QStringLiteral("This module allows you to try out different wallpaper quickly and ")},
            {QStringLiteral("easily.  To use, simply select the drive / folder where your ")},
            {QStringLiteral("wallpaper files are located.  A sample of each image is displayed ")},
            {QStringLiteral("in the preview panel.  Click on an image to make it the current ")},
            {QStringLiteral("wallpaper file.  Select between the Tile Wallpaper / ")},
            {QStringLiteral("Center Wallpaper options as desired.  Happy Wallpapering!    "), true},
        }));
}

// The loader goes first, so no preview arrives for a column being taken down.
WallpaperHangerWindow::~WallpaperHangerWindow() { delete loader_; }

void WallpaperHangerWindow::buildLayout()
{
    addBorderStrips(this, ClientSize);

    auto* controlPanel = panel(this, QStringLiteral("controlPanel"), ControlArea, Silver, Panel::Bevel::Raised, 1);
    buildFolderChooser(controlPanel);
    buildOptions(controlPanel);

    previewArea_ = new QScrollArea(this);
    previewArea_->setObjectName(QStringLiteral("previewArea"));
    previewArea_->setGeometry(PreviewArea);
    previewArea_->setFrameShape(QFrame::NoFrame);
    previewArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    previewArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    previewArea_->setWidgetResizable(false);
    previewArea_->setAccessibleName(QStringLiteral("Previews"));
    setPaletteColour(previewArea_->viewport(), QPalette::Window, Silver);
    previewColumn_ = new QWidget;
    previewColumn_->setObjectName(QStringLiteral("previewColumn"));
    previewColumn_->resize(PreviewPanel::Side, 0);
    previewArea_->setWidget(previewColumn_);

    helpPanel()->raise();
    closePanel()->raise();
}

void WallpaperHangerWindow::buildFolderChooser(QWidget* controlPanel)
{
    auto* chooser = panel(controlPanel, QStringLiteral("folderChooser"), QRect(6, 6, 182, 340), Silver,
                          Panel::Bevel::Lowered, 1);

    driveBox_ = new QComboBox(chooser);
    driveBox_->setObjectName(QStringLiteral("driveBox"));
    driveBox_->setAccessibleName(QStringLiteral("Drive"));
    driveBox_->setGeometry(6, 6, FolderListSize.width(), 24);
    connect(driveBox_, &QComboBox::activated, this, &WallpaperHangerWindow::chooseDrive);

    folderList_ = new QTreeWidget(chooser);
    folderList_->setObjectName(QStringLiteral("folderList"));
    folderList_->setAccessibleName(QStringLiteral("Folder"));
    folderList_->setGeometry(QRect(QPoint(6, 36), FolderListSize));
    folderList_->setHeaderHidden(true);
    folderList_->setRootIsDecorated(false);
    folderList_->setItemsExpandable(false);
    folderList_->setExpandsOnDoubleClick(false);
    folderList_->setIndentation(10);
    folderList_->setUniformRowHeights(true);
    folderList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    folderList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folderList_->header()->setStretchLastSection(false);
    // A double click (or Enter) opens a folder, a single click only selects it.
    connect(folderList_, &QTreeWidget::itemActivated, this, &WallpaperHangerWindow::folderActivated);
}

void WallpaperHangerWindow::buildOptions(QWidget* controlPanel)
{
    auto* options = panel(controlPanel, QStringLiteral("optionPanel"), QRect(6, 352, 182, 68), Silver,
                          Panel::Bevel::Lowered, 1);
    const QPixmap lamp = lampPicture();
    QFont bold = font();
    bold.setBold(true);

    auto option = [&](int row, const QString& name, const QString& text, const QString& lightName,
                      QLabel*& light) {
        auto* strip = panel(options, name + QStringLiteral("Strip"), QRect(4, 4 + row * 31, 174, 29), Qt::black,
                            Panel::Bevel::None, 0);
        light = pictureLabel(strip, lightName, QRect(6, (29 - LightSide) / 2, LightSide, LightSide), lamp);
        auto* button = new QToolButton(strip);
        button->setObjectName(name);
        button->setText(text);
        button->setFont(bold);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(26, 2, 146, 25);
        button->setStyleSheet(QStringLiteral("QToolButton { color: white; background: transparent; border: none; "
                                             "text-align: left; }"
                                             "QToolButton:focus { border: 1px dotted white; }"
                                             "QToolButton:pressed { color: silver; }"));
        return button;
    };
    tileButton_ = option(0, QStringLiteral("tileButton"), TileText, QStringLiteral("tileLight"), tileLight_);
    centreButton_ = option(1, QStringLiteral("centreButton"), CentreText, QStringLiteral("centreLight"), centreLight_);
    connect(tileButton_, &QToolButton::clicked, this, [this] { choosePlacement(WallpaperPlacement::Tiled); });
    connect(centreButton_, &QToolButton::clicked, this, [this] { choosePlacement(WallpaperPlacement::Centred); });
}

void WallpaperHangerWindow::choosePlacement(WallpaperPlacement placement)
{
    placement_ = placement;
    const bool tiled = placement == WallpaperPlacement::Tiled;
    tileLight_->setVisible(tiled);
    centreLight_->setVisible(!tiled);
    tileButton_->setChecked(tiled);
    centreButton_->setChecked(!tiled);
    desktop::setDesktopWallpaper(std::nullopt, placement);
}

void WallpaperHangerWindow::fillDrives()
{
    drives_ = platform::drives();
    const QSignalBlocker quiet(driveBox_);
    driveBox_->clear();
    for (const platform::MountedVolume& drive : drives_)
        driveBox_->addItem(platform::driveText(drive), drive.rootPath);
}

void WallpaperHangerWindow::chooseDrive(int index)
{
    if (index < 0 || index >= drives_.size())
        return;
    const QString root = drives_[index].rootPath;
    openFolder(folderOnDrive_.value(root, root));
}

void WallpaperHangerWindow::openFolder(const QString& folder)
{
    const QString target = desktop::nearestExistingFolder(folder);
    const bool changed = target != currentFolder_;
    currentFolder_ = target;
    fillFolderList();

    // The drive box follows the folder without choosing anything itself.
    const int drive = platform::driveOf(currentFolder_, drives_);
    if (drive >= 0)
        folderOnDrive_.insert(drives_[drive].rootPath, currentFolder_);
    {
        const QSignalBlocker quiet(driveBox_);
        driveBox_->setCurrentIndex(drive);
    }

    if (changed && shownOnce_)
        rebuildPreviews();
}

// The folders from the root down to the current one, opened, and the
// current folder's own subfolders below it.
void WallpaperHangerWindow::fillFolderList()
{
    folderList_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : desktop::folderChain(currentFolder_)) {
        const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(folderList_, {name});
        item->setIcon(0, open);
        item->setData(0, Qt::UserRole, path);
        item->setExpanded(true);
        parent = item;
    }
    for (const QString& name : desktop::subfolders(currentFolder_)) {
        auto* item = new QTreeWidgetItem(parent, {name});
        item->setIcon(0, closed);
        item->setData(0, Qt::UserRole, QDir(currentFolder_).filePath(name));
    }
    if (parent) {
        parent->setExpanded(true);
        folderList_->setCurrentItem(parent);
        folderList_->scrollToItem(parent, QAbstractItemView::PositionAtTop);
    }
}

void WallpaperHangerWindow::folderActivated(QTreeWidgetItem* item)
{
    if (item)
        openFolder(item->data(0, Qt::UserRole).toString());
}

void WallpaperHangerWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    rebuildPreviews();
}

void WallpaperHangerWindow::rebuildPreviews()
{
    clearPreviews();
    loader_->load(desktop::bitmapFiles(currentFolder_));
}

void WallpaperHangerWindow::clearPreviews()
{
    loader_->cancel();
    qDeleteAll(previews_);
    previews_.clear();
    previewFiles_.clear();
    previewColumn_->resize(PreviewPanel::Side, 0);
    previewArea_->verticalScrollBar()->setValue(0);
}

void WallpaperHangerWindow::placePreview(int position, const QString& file, const QImage& picture)
{
    auto* preview = new PreviewPanel(position, file, picture, previewColumn_);
    connect(preview, &PreviewPanel::clicked, this, [this, position] { hangWallpaper(position); });
    connect(preview, &PreviewPanel::focused, this, [this, preview] { previewArea_->ensureWidgetVisible(preview, 0, 0); });
    previews_.append(preview);
    previewFiles_.append(file);
    // The column grows with each preview, so what has arrived can be scrolled to.
    previewColumn_->resize(PreviewPanel::Side, previews_.size() * PreviewPanel::Side);
    preview->show();
}

void WallpaperHangerWindow::hangWallpaper(int position)
{
    if (position >= 0 && position < previewFiles_.size())
        desktop::setDesktopWallpaper(previewFiles_.at(position), placement_);
}

void WallpaperHangerWindow::release()
{
    loader_->cancel();
    ToolWindow::release();
}

bool WallpaperHangerWindow::loadingPreviews() const { return loader_->loading(); }

int WallpaperHangerWindow::scrollRange() const { return previewColumn_->height(); }
