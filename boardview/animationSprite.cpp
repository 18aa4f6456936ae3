#include "animationSprite.h"

#include <QPainter>

TAnimationSprite::TAnimationSprite(const QImage& image, QWidget* parent) : QWidget(parent), _image(image)
{
    setObjectName(QString::fromLatin1(SpriteObjectName));
    // Clicks during the glide belong to whatever lies beneath, not to the picture.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // Logical size: a picture drawn for a ratio above 1 covers fewer logical pixels.
    resize(_image.deviceIndependentSize().toSize().expandedTo(QSize(1, 1)));
    hide();
}

void TAnimationSprite::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, _image);
}
