#pragma once
// A line drawn on a form or a picture box, between two points in twips of its
// container. Moving an end moves the control's bounding box with it.
#include "Control.h"

namespace forms {

class Line : public Control {
public:
    Line(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "Line"; }
    bool TakesFocus() const override { return false; }
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void SetX1(int v) { SetEnds(v, y1_, x2_, y2_); }
    void SetY1(int v) { SetEnds(x1_, v, x2_, y2_); }
    void SetX2(int v) { SetEnds(x1_, y1_, v, y2_); }
    void SetY2(int v) { SetEnds(x1_, y1_, x2_, v); }
    void SetEnds(int x1, int y1, int x2, int y2);
    Color BorderColor() const { return ForeColor(); }
    void SetBorderColor(Color c) { SetForeColor(c); }
private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

} // namespace forms
