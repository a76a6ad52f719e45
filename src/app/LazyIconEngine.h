// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An icon drawn from PNG files of known sizes, decoded only when a size is
// first drawn. The window icon is set at start-up, but on most platforms it
// is drawn later or never (offscreen, Wayland without server decorations);
// decoding the four PNGs up front cost about 3 ms before the first paint.

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

namespace orvel {

class LazyIconEngine final : public QIconEngine {
  public:
    // `pathPattern` holds %1 for the size in pixels (":/icons/app-%1.png").
    LazyIconEngine(QString pathPattern, QList<int> sizes);

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

  private:
    // The icon with every file added, made on first use.
    QIcon& Decoded();

    QString pathPattern_;
    QList<int> sizes_;
    std::optional<QIcon> decoded_;
};

}  // namespace orvel
