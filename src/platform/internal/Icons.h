// The record behind an icon handle: a vector picture shared with the image
// lists and windows that took it. Not for use outside the platform layer.
#pragma once

#include "platform/Gdi.h"

#include <QIcon>
#include <QImage>

#include <memory>

class QSvgRenderer;

struct IconRecord {
    std::shared_ptr<QSvgRenderer> picture;
};

IconRecord* LiveIcon(HICON icon);
// The picture at cx by cy logical pixels for a surface of the ratio (device
// pixels per logical pixel): premultiplied ARGB, transparent around it,
// carrying the ratio.
QImage RenderIconPicture(QSvgRenderer& picture, int cx, int cy, qreal ratio);
// The icon as a window icon, at the sizes desktops ask for.
QIcon WindowIconOf(HICON icon);
