// SPDX-License-Identifier: MIT
#include "LazyIcon.h"

#include <QFile>
#include <QIconEngine>
#include <memory>
#include <optional>
#include <utility>

namespace brivmemo {

namespace {

// Copies of the icon share the one made icon, as copies of any icon share its pictures.
struct MadeIcon {
    std::function<QIcon()> make;
    std::optional<QIcon> icon;

    const QIcon &get()
    {
        if (!icon)
            icon = make();
        return *icon;
    }
};

class LazyIconEngine final : public QIconEngine {
public:
    explicit LazyIconEngine(std::shared_ptr<MadeIcon> made)
        : made_(std::move(made))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        made_->get().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made_->get().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made_->get().pixmap(size, mode, state);
    }

    // Asked for by a screen of more pixels than logical ones, with the size in its pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return made_->get().pixmap(size / scale, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made_->get().availableSizes(mode, state);
    }

    QString key() const override { return QStringLiteral("brivmemo.lazy"); }

    QIconEngine *clone() const override { return new LazyIconEngine(made_); }

private:
    std::shared_ptr<MadeIcon> made_;
};

} // namespace

QIcon lazyIcon(std::function<QIcon()> make)
{
    return QIcon(new LazyIconEngine(std::make_shared<MadeIcon>(MadeIcon {std::move(make), std::nullopt})));
}

QIcon iconInFinerSizes(const QString &path)
{
    QIcon icon(path);
    QString base = path;
    base.chop(QStringLiteral(".png").size());
    for (const int scale : {2, 3}) {
        const QString finer = base + QStringLiteral("@%1x.png").arg(scale);
        if (QFile::exists(finer))
            icon.addFile(finer);
    }
    return icon;
}

} // namespace brivmemo
