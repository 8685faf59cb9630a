#pragma once
// Pictures: an image control showing one bitmap, and an image list holding numbered bitmaps of
// one size. Both are filled from the installation's "pictures" folder when the form is created
// (<FormClass>\<Name>.bmp, and <FormClass>\<ListName>_<index>.bmp for a list).

#include <optional>
#include <string>
#include <vector>

#include "forms/bitmap.h"
#include "forms/component.h"

namespace forms {

class Image : public Control {
  public:
    struct Args {
        Rect bounds;
        bool stretch = false;
        std::optional<Colour> transparent;  // colour key: pixels of this colour are not drawn
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    Image(Form& form, std::string name, const Args& args);

    const Bitmap& picture() const { return picture_; }
    void setPicture(Bitmap picture);
    bool stretch() const { return stretch_; }

    bool windowed() const override { return false; }
    void paint(Canvas& canvas, const PaintContext& context) const override;

  private:
    Bitmap picture_;
    bool stretch_;
    std::optional<Colour> transparent_;
};

class ImageList : public Component {
  public:
    struct Args {
        int count = 0;
        int width = 16;
        int height = 16;
    };

    ImageList(Form& form, std::string name, const Args& args);

    int count() const { return static_cast<int>(pictures_.size()); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Picture i, empty when i is out of range or the picture was not found.
    const Bitmap& picture(int index) const;
    void setPicture(int index, Bitmap picture);
    // Copies picture i into the image and redraws it (the framework's GetBitmap).
    void copyInto(int index, Image& image) const;

  private:
    std::vector<Bitmap> pictures_;
    int width_;
    int height_;
};

// A surface that its owner paints through its paint event.
class PaintBox : public Control {
  public:
    struct Args {
        Rect bounds;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    PaintBox(Form& form, std::string name, const Args& args);

    std::function<void(Canvas&)> onPaint;

    bool windowed() const override { return false; }
    void paint(Canvas& canvas, const PaintContext& context) const override;
};

}  // namespace forms
