#include "animationSprite.h"

#include <QPainter>

TAnimationSprite::TAnimationSprite(const QImage& image, QWidget* parent) : QWidget(parent), _image(image)
{
    setObjectName(QString::fromLatin1(SpriteObjectName));
    // Clicks during the glide belong to whatever lies beneath, not to the picture.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(_image.size());
    hide();
}

void TAnimationSprite::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, _image);
}
