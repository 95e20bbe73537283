#pragma once
#include "app/ToolWindow.h"
#include "desktop/Wallpaper.h"
#include "platform/Drives.h"

#include <QHash>
#include <QStringList>

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace desktop {
class PreviewLoader;
class PreviewPanel;
}

// Wallpaper Hanger: pick a drive and folder, and every bitmap in it shows as
// a small preview in a scrolling column; a click on a preview makes that
// file the desktop wallpaper, tiled or centred as the two option buttons
// say. The previews are read in the background and placed as they arrive.
class WallpaperHangerWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Wallpaper Hanger");

    explicit WallpaperHangerWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~WallpaperHangerWindow() override;

    QString currentFolder() const { return currentFolder_; }
    // Makes the folder the current one (the nearest existing folder above it
    // when it has gone); once the window has been shown, a new folder
    // rebuilds the previews.
    void openFolder(const QString& folder);
    void chooseDrive(int index);

    desktop::WallpaperPlacement placement() const { return placement_; }
    // The option buttons: lights the chosen one and shows the present
    // wallpaper again in that placement.
    void choosePlacement(desktop::WallpaperPlacement placement);

    // The previews in position order, and the file of each.
    QList<desktop::PreviewPanel*> previews() const { return previews_; }
    QStringList previewFiles() const { return previewFiles_; }
    bool loadingPreviews() const;
    int scrollRange() const;

    // Going stops the loading at once, before the window is destroyed.
    void release() override;

signals:
    // Every preview of the current folder is in place.
    void previewsLoaded(int count);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void buildFolderChooser(QWidget* controlPanel);
    void buildOptions(QWidget* controlPanel);
    void fillDrives();
    void fillFolderList();
    void folderActivated(QTreeWidgetItem* item);
    void rebuildPreviews();
    void clearPreviews();
    void placePreview(int position, const QString& file, const QImage& picture);
    void hangWallpaper(int position);

    QList<platform::MountedVolume> drives_;
    QHash<QString, QString> folderOnDrive_; // last folder visited per mount point
    QString currentFolder_;
    desktop::WallpaperPlacement placement_ = desktop::WallpaperPlacement::Centred;
    bool shownOnce_ = false;

    QComboBox* driveBox_ = nullptr;
    QTreeWidget* folderList_ = nullptr;
    QToolButton* tileButton_ = nullptr;
    QToolButton* centreButton_ = nullptr;
    QLabel* tileLight_ = nullptr;
    QLabel* centreLight_ = nullptr;
    QScrollArea* previewArea_ = nullptr;
    QWidget* previewColumn_ = nullptr;
    desktop::PreviewLoader* loader_ = nullptr;
    QList<desktop::PreviewPanel*> previews_;
    QStringList previewFiles_;
};
