#pragma once
#include <QAbstractItemModelTester>
#include <QStringList>

#include <memory>

// Qt's own checks of a model's promises to its views (rows announced before
// they appear, indexes valid, signals in range), run on every change while
// the guard lives; what they find is collected instead of aborting.
class ModelTester {
public:
    explicit ModelTester(QAbstractItemModel* model)
    {
        current() = this;
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg && current())
                current()->problems.append(text);
        });
        tester_ = std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~ModelTester()
    {
        tester_.reset();
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }

    QStringList problems;

private:
    static ModelTester*& current()
    {
        static ModelTester* tester = nullptr;
        return tester;
    }

    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester_;
};
