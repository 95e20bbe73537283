#include "desktop/PreviewLoader.h"

#include "paint/BmpCodec.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRunnable>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

namespace desktop {

// What the loader and its job share. The job hands a preview over only
// while holding the mutex and while receiver is set; the loader clears
// receiver under the same mutex before it lets a batch go or is destroyed.
// So nothing is ever posted to a loader that has gone, and what was posted
// before is dropped with the loader's own events or ignored as stale.
struct PreviewLoader::Batch {
    QMutex mutex;
    PreviewLoader* receiver = nullptr;
    std::atomic<bool> cancelled{false};
    quint64 generation = 0;
    QStringList files;
    QSize previewSize;
};

class PreviewLoader::Job : public QRunnable {
public:
    explicit Job(std::shared_ptr<Batch> batch) : batch_(std::move(batch)) {}

    void run() override
    {
        for (const QString& file : batch_->files) {
            if (batch_->cancelled.load())
                return;
            QImage picture = readPreview(file, batch_->previewSize);
            if (picture.isNull())
                continue; // no preview; the next good file takes the position
            if (!post([generation = batch_->generation, file, picture](PreviewLoader* loader) {
                    loader->deliver(generation, file, picture);
                }))
                return;
        }
        post([generation = batch_->generation](PreviewLoader* loader) { loader->finish(generation); });
    }

private:
    template <class Call>
    bool post(Call call)
    {
        QMutexLocker lock(&batch_->mutex);
        PreviewLoader* loader = batch_->receiver;
        if (!loader)
            return false;
        QMetaObject::invokeMethod(loader, [loader, call] { call(loader); }, Qt::QueuedConnection);
        return true;
    }

    std::shared_ptr<Batch> batch_;
};

PreviewLoader::PreviewLoader(QSize previewSize, QObject* parent) : QObject(parent), previewSize_(previewSize) {}

PreviewLoader::~PreviewLoader() { cancel(); }

void PreviewLoader::load(const QStringList& files)
{
    cancel();
    auto batch = std::make_shared<Batch>();
    batch->receiver = this;
    batch->generation = ++generation_;
    batch->files = files;
    batch->previewSize = previewSize_;
    batch_ = batch;
    previews_ = 0;
    QThreadPool::globalInstance()->start(new Job(std::move(batch)));
}

void PreviewLoader::cancel()
{
    if (!batch_)
        return;
    batch_->cancelled.store(true);
    {
        QMutexLocker lock(&batch_->mutex);
        batch_->receiver = nullptr;
    }
    batch_.reset();
}

void PreviewLoader::deliver(quint64 generation, const QString& file, const QImage& picture)
{
    if (!batch_ || generation != batch_->generation)
        return; // posted before its batch was cancelled
    emit previewReady(previews_++, file, picture);
}

void PreviewLoader::finish(quint64 generation)
{
    if (!batch_ || generation != batch_->generation)
        return;
    batch_.reset();
    emit finished(previews_);
}

QImage PreviewLoader::readPreview(const QString& file, QSize previewSize)
{
    const std::optional<QImage> picture = paint::bmp::readFile(file);
    if (!picture || picture->isNull())
        return {};

    // The preview shows the whole picture stretched to its panel. A large
    // picture first comes down to four times the preview by picking pixels,
    // then the last step averages them: the look of a smooth scaling at a
    // small part of its cost.
    const QSize step(std::min(picture->width(), 4 * previewSize.width()),
                     std::min(picture->height(), 4 * previewSize.height()));
    const QImage nearer = step == picture->size()
                              ? *picture
                              : picture->scaled(step, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return nearer.scaled(previewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace desktop
