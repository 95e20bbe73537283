#pragma once
#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <memory>

namespace desktop {

// Reads the previews of a list of bitmap files away from the window: one
// background job reads the files in their order, shrinks each picture to
// the preview size and hands it back, so the window stays responsive while a
// folder of large pictures loads. A file that cannot be read as a bitmap
// (damaged, truncated, gone, not a bitmap at all) gets no preview, and the
// next good file takes its position: the previews are numbered 0, 1, 2, ...
// in file order with no gaps.
//
// A new load or cancel() ends the one before it: nothing more of it
// arrives, even what was already on its way. Destroying the loader cancels
// too and does not wait for the job, which stops after the file it is on.
class PreviewLoader : public QObject {
    Q_OBJECT
public:
    explicit PreviewLoader(QSize previewSize, QObject* parent = nullptr);
    ~PreviewLoader() override;

    void load(const QStringList& files);
    void cancel();
    bool loading() const { return batch_ != nullptr; }

    // How a file becomes its preview: the picture read and scaled, or a null
    // image when the file is not a readable bitmap. Runs on the job's thread.
    static QImage readPreview(const QString& file, QSize previewSize);

signals:
    // The preview at position (from 0), in order.
    void previewReady(int position, const QString& file, const QImage& picture);
    // The last file has been read; previews is how many there are.
    void finished(int previews);

private:
    struct Batch;
    class Job;

    void deliver(quint64 generation, const QString& file, const QImage& picture);
    void finish(quint64 generation);

    QSize previewSize_;
    std::shared_ptr<Batch> batch_;
    quint64 generation_ = 0; // of the latest batch; what older ones post is ignored
    int previews_ = 0;
};

} // namespace desktop
