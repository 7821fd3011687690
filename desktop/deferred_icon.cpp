#include "desktop/deferred_icon.h"

#include <QIconEngine>
#include <QPainter>

#include <optional>

namespace lernwerk {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QString fileName) : fileName_(std::move(fileName)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& loaded()
    {
        if (!icon_)
            icon_ = QIcon(fileName_);
        return *icon_;
    }

    QString fileName_;
    std::optional<QIcon> icon_;
};

}  // namespace

QIcon deferredIcon(const QString& fileName) { return QIcon(new DeferredIconEngine(fileName)); }

}  // namespace lernwerk
