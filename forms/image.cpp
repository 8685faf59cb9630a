#include "forms/image.h"

namespace forms {

Image::Image(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      stretch_(args.stretch),
      transparent_(args.transparent) {}

void Image::setPicture(Bitmap picture) {
    picture_ = std::move(picture);
    redraw();
}

void Image::paint(Canvas& canvas, const PaintContext&) const {
    if (picture_.empty())
        return;
    canvas.bitmap(picture_, {{0, 0, width(), height()}, stretch_, transparent_});
}

ImageList::ImageList(Form& form, std::string name, const Args& args)
    : Component(form, std::move(name)),
      pictures_(static_cast<std::size_t>(args.count > 0 ? args.count : 0)),
      width_(args.width),
      height_(args.height) {}

const Bitmap& ImageList::picture(int index) const {
    static const Bitmap none;
    if (index < 0 || index >= count())
        return none;
    return pictures_[static_cast<std::size_t>(index)];
}

void ImageList::setPicture(int index, Bitmap picture) {
    if (index < 0 || index >= count())
        return;
    pictures_[static_cast<std::size_t>(index)] = std::move(picture);
}

void ImageList::copyInto(int index, Image& image) const {
    image.setPicture(picture(index));
}

PaintBox::PaintBox(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent) {}

void PaintBox::paint(Canvas& canvas, const PaintContext&) const {
    if (onPaint)
        onPaint(canvas);
}

}  // namespace forms
