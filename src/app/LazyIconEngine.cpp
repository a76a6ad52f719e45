// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LazyIconEngine.h"

#include <QPainter>

namespace orvel {

LazyIconEngine::LazyIconEngine(QString pathPattern, QList<int> sizes)
    : pathPattern_(std::move(pathPattern)), sizes_(std::move(sizes)) {}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int size : sizes_) {
        sizes << QSize(size, size);
    }
    return sizes;
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Decoded().actualSize(size, mode, state);
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Decoded().pixmap(size, mode, state);
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    Decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QIconEngine* LazyIconEngine::clone() const {
    return new LazyIconEngine(pathPattern_, sizes_);
}

QIcon& LazyIconEngine::Decoded() {
    if (!decoded_) {
        decoded_.emplace();
        for (const int size : sizes_) {
            decoded_->addFile(pathPattern_.arg(size), QSize(size, size));
        }
    }
    return *decoded_;
}

}  // namespace orvel
