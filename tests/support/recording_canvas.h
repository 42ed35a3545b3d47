// A drawing surface for tests: keeps every call as data so tests can assert on what was drawn.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace xs::test {

enum class TCanvasOp { TextOut, TextRect, FillRect, FrameRect, Rectangle, Line, Polygon };

// One drawing call with the state it was drawn in.
struct TCanvasCall {
    TCanvasOp Op = TCanvasOp::FillRect;
    TRect Rect;                  // FillRect, FrameRect, Rectangle, TextRect (the clip)
    TPoint At;                   // TextOut, TextRect: text origin; Line: first end
    TPoint To;                   // Line: second end
    std::vector<TPoint> Points;  // Polygon
    std::string Text;
    TColor Pen;
    int PenWidth = 1;
    TColor Brush;
    bool BrushSet = true;
    TColor TextColor;
    std::string Face;
    int FontPoints = 0;
    bool Bold = false;
};

class TRecordingCanvas : public TCanvas {
public:
    std::vector<TCanvasCall> Calls;
    // Text measurement: by default every character is CharWidth wide and a line LineHeight high.
    int CharWidth = 7;
    int LineHeight = 13;
    std::function<int(std::string_view)> MeasureWidth;

    void SetPen(TColor color, int width = 1) override {
        State.Pen = color;
        State.PenWidth = width;
    }
    void SetBrush(TColor color) override {
        State.Brush = color;
        State.BrushSet = true;
    }
    void ClearBrush() override { State.BrushSet = false; }
    void SetFont(std::string_view face, int points, bool bold) override {
        State.Face = std::string(face);
        State.FontPoints = points;
        State.Bold = bold;
    }
    void SetTextColor(TColor color) override { State.TextColor = color; }
    int TextWidth(std::string_view text) override {
        if (MeasureWidth) return MeasureWidth(text);
        return CharWidth * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view) override { return LineHeight; }
    void TextOut(int x, int y, std::string_view text) override {
        TCanvasCall& c = Record(TCanvasOp::TextOut);
        c.At = {x, y};
        c.Text = std::string(text);
    }
    void TextRect(const TRect& clip, int x, int y, std::string_view text) override {
        TCanvasCall& c = Record(TCanvasOp::TextRect);
        c.Rect = clip;
        c.At = {x, y};
        c.Text = std::string(text);
    }
    void FillRect(const TRect& rect) override { Record(TCanvasOp::FillRect).Rect = rect; }
    void FrameRect(const TRect& rect) override { Record(TCanvasOp::FrameRect).Rect = rect; }
    void Rectangle(const TRect& rect) override { Record(TCanvasOp::Rectangle).Rect = rect; }
    void Line(int x1, int y1, int x2, int y2) override {
        TCanvasCall& c = Record(TCanvasOp::Line);
        c.At = {x1, y1};
        c.To = {x2, y2};
    }
    void Polygon(std::span<const TPoint> points) override {
        Record(TCanvasOp::Polygon).Points.assign(points.begin(), points.end());
    }

    // The calls of one kind, in order.
    std::vector<TCanvasCall> Of(TCanvasOp op) const {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& c : Calls) {
            if (c.Op == op) out.push_back(c);
        }
        return out;
    }
    // Every text drawn, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const TCanvasCall& c : Calls) {
            if (c.Op == TCanvasOp::TextOut || c.Op == TCanvasOp::TextRect) out.push_back(c.Text);
        }
        return out;
    }

private:
    TCanvasCall& Record(TCanvasOp op) {
        TCanvasCall c = State;
        c.Op = op;
        Calls.push_back(std::move(c));
        return Calls.back();
    }

    TCanvasCall State;
};

}  // namespace xs::test
