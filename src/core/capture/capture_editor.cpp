#include "capture/capture_editor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "layers/positioned_layer.h"
#include "raster/raster_error.h"
#include "settings/settings.h"
#include "tools/stamp_counter.h"
#include "tools/text_tool_control.h"
#include "tools/tool_classes.h"

namespace lg {
namespace {

// Below this many pixels a first selection counts as a click: the prompt
// shows again.
constexpr float kMinFirstSelection = 3;
// A notch of the wheel, as the platform counts it.
constexpr int kWheelNotch = 120;
// A resized selection never gets narrower or lower than this.
constexpr float kMinSelection = 5;

bool IsBlank(const std::u16string& s) {
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c <= u' '; });
}

// The capture is opaque by nature; blending translucent figures in must
// not make it see-through where they lie.
void MakeOpaque(TBitmap32& b) {
    for (TColor32& p : b.Pixels()) p |= 0xFF000000u;
}

}  // namespace

CaptureEditor::CaptureEditor(CaptureHost& host) : host_(host), StoreListBitmap32(StampCounter()) {
    LayerDrawTool = &imgView1.Layers().Add<TBitmapLayer>();
    LayerDrawTool->Bitmap().Clear(kDrawBitmapClear);
    LayerDrawTool->Bitmap().SetDrawMode(dmBlend);
    LayerDrawTool->Bitmap().SetCombineMode(cmBlend);

    LayerRect = &imgView1.Layers().Add<TRubberbandLayerNew>();
    LayerRect->OnResizing = [this](TRubberbandLayer&, const TFloatRect& oldLocation,
                                   TFloatRect& newLocation, TDragState,
                                   TShiftState) { LayerRectResizing(oldLocation, newLocation); };
    LayerRect->SetVisibleRect(false);
    LayerRect->HasCurrentTool = [this] { return FCurTool != nullptr; };

    imgView1.SetCursor(crCross);
    imgView1.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y, TCustomLayer* l) {
        imgView1MouseDown(b, s, x, y, l);
    };
    imgView1.OnMouseMove = [this](TShiftState s, int x, int y, TCustomLayer* l) {
        imgView1MouseMove(s, x, y, l);
    };
    imgView1.OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y, TCustomLayer* l) {
        imgView1MouseUp(b, s, x, y, l);
    };
    imgView1.OnKeyPress = [this](char16_t& key) { imgView1KeyPress(key); };
    imgView1.OnMouseWheel = [this](TShiftState, int delta) { imgView1MouseWheel(delta); };
}

CaptureEditor::~CaptureEditor() {
    StoreListBitmap32.SetOnChangeState(nullptr);
    // The tool layer's OnEnd points here; the view frees it with the rest.
    if (FCurTool) FCurTool->OnEnd = nullptr;
}

TTextToolControl* CaptureEditor::TextTool() const {
    if (!FCurTool || FCurTool->Kind() != ctTextExit) return nullptr;
    return dynamic_cast<TTextToolControl*>(FCurTool);
}

bool CaptureEditor::StartCapture(int kind, const TBitmap32& capture, const TRect& rectWork,
                                 std::optional<TRect> selection) {
    if (IsOpen()) return false;
    if (kind != 0 && (!selection || selection->IsEmpty())) return false;
    rectWork_ = rectWork;
    LayerRect->SetRectWork(rectWork);
    imgView1.SetBitmap(capture);
    imgView1.Bitmap().SetDrawMode(dmBlend);
    imgView1.SetClientSize(rectWork.Width(), rectWork.Height());
    StampCounter() = 1;
    StoreListBitmap32.AddBitmap(imgView1.Bitmap(), false);
    pendingKind_ = kind;
    pendingSelection_ = selection;
    return true;
}

void CaptureEditor::ShowWindowDone() {
    showing_ = true;
    LayerRect->SetLocation(TFloatRect{0, 0, 64, 64});
    const TRect client = imgView1.ClientRect();
    LayerDrawTool->Bitmap().SetSize(client.Width(), client.Height());
    LayerDrawTool->Bitmap().Clear(kDrawBitmapClear);
    LayerDrawTool->SetLocation(
        TFloatRect{0, 0, static_cast<float>(client.Width()), static_cast<float>(client.Height())});
    if (pendingKind_ == 1 || pendingKind_ == 2) {
        const TRect& s = *pendingSelection_;
        LayerRect->SetLocation(TFloatRect{static_cast<float>(s.Left), static_cast<float>(s.Top),
                                          static_cast<float>(s.Right),
                                          static_cast<float>(s.Bottom)});
        LayerRect->SetVisibleRect(true);
        LayerRect->SetSelectState(ssEnd);
        SelectionMoved(LayerRect->Location());
        ShowSelectRegion(false, false);
    } else {
        PromptMoved();
        UpdateSnap();
    }
}

void CaptureEditor::SetSnapWindows(SnapWindows windows, TPoint pointer) {
    snapWindows_ = std::move(windows);
    snapChain_.clear();
    snapLevel_ = 0;
    wheelRest_ = 0;
    if (!showing_ || LayerRect->VisibleRect()) return;
    LayerRect->SetPointerPos(pointer.X, pointer.Y);
    PromptMoved();
    UpdateSnap();
}

void CaptureEditor::UpdateSnap() {
    if (LayerRect->VisibleRect()) return;
    std::vector<SnapWindows::Hit> chain = snapWindows_.ChainAt(LayerRect->PointerPos());
    if (chain.empty() || snapChain_.empty() || chain.front().id != snapChain_.front().id) {
        snapLevel_ = 0;
        wheelRest_ = 0;
    }
    snapChain_ = std::move(chain);
    LayerRect->SetSnapOutline(snapChain_.empty() ? std::nullopt
                                                 : std::optional(snapChain_[snapLevel_].rect));
}

void CaptureEditor::imgView1MouseWheel(int delta) {
    // Only over the prompt: a drag or a selection has its own business.
    if (LayerRect->VisibleRect() || snapChain_.empty()) return;
    wheelRest_ += delta;
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ -= notches * kWheelNotch;
    // Away from the user steps out to the enclosing window.
    const int last = static_cast<int>(snapChain_.size()) - 1;
    snapLevel_ = static_cast<size_t>(std::clamp(static_cast<int>(snapLevel_) + notches, 0, last));
    LayerRect->SetSnapOutline(snapChain_[snapLevel_].rect);
}

void CaptureEditor::ShowSelectRegion(bool forceShowRedact, bool /*showGif*/) {
    const TLGSettings& settings = LGSettings();
    if (settings.ShowRedact || forceShowRedact) {
        host_.ShowEditorPanels();
        host_.SelectArrowTool();
        StoreListBitmap32.SetOnChangeState(
            [this](bool undo, bool redo) { host_.UndoRedoStateChanged(undo, redo); });
        host_.UndoRedoStateChanged(StoreListBitmap32.AvailUndo(), StoreListBitmap32.AvailRedo());
        host_.FocusWindow();
    } else if (settings.Server) {
        host_.UploadPicture();
    } else {
        host_.CopyPicture();
    }
}

bool CaptureEditor::GetBitmap(TBitmap32& b) const {
    const TBitmap32& base = imgView1.Bitmap();
    const TRect r = IntersectRect(RoundRect(LayerRect->Location()), base.BoundsRect());
    if (r.IsEmpty()) {
        b.SetSize(0, 0);
        return false;
    }
    b.SetSize(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y) {
        std::memcpy(b.ScanLine(y), base.PixelPtr(r.Left, r.Top + y),
                    static_cast<size_t>(r.Width()) * sizeof(TColor32));
    }
    return true;
}

void CaptureEditor::imgView1MouseDown(TMouseButton button, TShiftState, int x, int y,
                                      TCustomLayer* layer) {
    if (button == mbLeft && !LayerRect->VisibleRect()) {
        FOldX = x;
        FOldY = y;
        LayerRect->SetSelectState(ssMove);
        const float fx = static_cast<float>(x), fy = static_cast<float>(y);
        LayerRect->SetLocation(TFloatRect{fx, fy, fx, fy});
        LayerRect->SetVisibleRect(true);
        SelectionMoved(LayerRect->Location());
        imgView1.Invalidate();
        return;
    }
    if (TextTool() && layer == LayerDrawTool) EndTool();
}

void CaptureEditor::imgView1MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer) {
    LayerRect->SetPointerPos(x, y);
    if (!LayerRect->VisibleRect()) {
        PromptMoved();
        UpdateSnap();
    }
    if (layer != LayerRect) {
        if (LayerRect->HitTest(x, y)) {
            if (FCurTool) FCurTool->SetLayerOptions(loVisible);
            LayerRect->MouseMove(shift, x, y);
        } else if (FCurTool) {
            FCurTool->SetLayerOptions(loVisible | loMouseEvents);
        }
    }
    if (LayerRect->SelectState() != ssMove) return;

    // The first selection: the edge lying on the previous mouse position
    // follows the mouse.
    TFloatRect loc = LayerRect->Location();
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (RoundCoord(loc.Right) == FOldX) {
        if (fx >= loc.Left) {
            loc.Right = fx;
        } else {
            loc.Left = fx;
        }
    } else if (RoundCoord(loc.Left) == FOldX) {
        if (fx <= loc.Right) {
            loc.Left = fx;
        } else {
            loc.Right = fx;
        }
    }
    // Vertically the rectangle is held upside down (Top >= Bottom) until
    // the release puts it in order.
    if (RoundCoord(loc.Bottom) == FOldY) {
        if (fy > loc.Top) {
            loc.Top = fy;
        } else {
            loc.Bottom = fy;
        }
    } else if (RoundCoord(loc.Top) == FOldY) {
        if (fy >= loc.Bottom) {
            loc.Top = fy;
        } else {
            loc.Bottom = fy;
        }
    }
    LayerRect->SetLocation(loc);
    SelectionMoved(loc);
    FOldX = x;
    FOldY = y;
}

void CaptureEditor::imgView1MouseUp(TMouseButton, TShiftState shift, int, int, TCustomLayer*) {
    if (LayerRect->SelectState() != ssMove) return;
    TFloatRect loc = LayerRect->Location();
    const bool thinX = std::fabs(loc.Right - loc.Left) < kMinFirstSelection;
    const bool thinY = std::fabs(loc.Top - loc.Bottom) < kMinFirstSelection;
    if (thinX && thinY && SnapOutline()) {
        // A click, not a drag: the outlined window is the selection.
        const TRect r = *SnapOutline();
        loc = TFloatRect{static_cast<float>(r.Left), static_cast<float>(r.Top),
                         static_cast<float>(r.Right), static_cast<float>(r.Bottom)};
        LayerRect->SetLocation(loc);
        LayerRect->SetSnapOutline(std::nullopt);
        SelectionMoved(loc);
    } else if (thinX || thinY) {
        LayerRect->SetVisibleRect(false);
        PromptMoved();
        UpdateSnap();
        imgView1.Invalidate();
        return;
    }
    LayerRect->SetSelectState(ssEnd);
    if (loc.Top > loc.Bottom) {
        std::swap(loc.Top, loc.Bottom);
        LayerRect->SetLocation(loc);
    }
    ShowSelectRegion((shift & ssCtrl) != 0, (shift & ssAlt) != 0);
}

void CaptureEditor::imgView1KeyPress(char16_t& key) {
    if (TTextToolControl* text = TextTool()) text->KeyPress(key);
}

void CaptureEditor::LayerRectResizing(const TFloatRect&, TFloatRect& next) {
    host_.UpdatePositionPanels();
    const float w = static_cast<float>(rectWork_.Width());
    const float h = static_cast<float>(rectWork_.Height());
    // Edge by edge: a selection pushed against a border shrinks.
    if (next.Left < 0) next.Left = 0;
    if (next.Right > w) next.Right = w;
    if (next.Top < 0) next.Top = 0;
    if (next.Bottom > h) next.Bottom = h;
    if (std::fabs(next.Left - next.Right) < kMinSelection) next.Right = next.Left + kMinSelection;
    if (std::fabs(next.Top - next.Bottom) < kMinSelection) next.Bottom = next.Top + kMinSelection;
    if (FCurTool && !TextTool()) FCurTool->SetLocation(next);
    SelectionMoved(next);
}

void CaptureEditor::SelectionMoved(const TFloatRect& selection) {
    // A selection still being spanned may be a point: it lies where that
    // pixel is.
    const TRect r = RoundRect(selection);
    selectionScale_ = host_.ScaleOf(
        TRect{r.Left, r.Top, std::max(r.Right, r.Left + 1), std::max(r.Bottom, r.Top + 1)});
    if (LayerRect->VisibleRect()) LayerRect->SetScale(selectionScale_);
    // The text tool keeps the size its text was begun at.
    if (FCurTool && !TextTool()) FCurTool->SetScale(selectionScale_);
}

void CaptureEditor::PromptMoved() {
    const TPoint p = LayerRect->PointerPos();
    LayerRect->SetScale(host_.ScaleOf(TRect{p.X, p.Y, p.X + 1, p.Y + 1}));
}

void CaptureEditor::AddTool(TCurTool aCurTool) {
    if (FCurTool) {
        if (aCurTool != FCurTypeTool && TextTool()) {
            // Committing the text ends with the new kind's layer.
            FCurTypeTool = aCurTool;
            EndTool();
            return;
        }
        // At most one tool layer: the old one goes, also when the same kind
        // is chosen again.
        FCurTool->OnEnd = nullptr;
        imgView1.Layers().Delete(FCurTool->Index());
        FCurTool = nullptr;
    }
    FCurTypeTool = aCurTool;
    FCurTool = CreateToolLayer(aCurTool, imgView1, LayerRect->Location(), LayerDrawTool->Bitmap(),
                               selectionScale_);
    if (FCurTool) {
        FCurTool->OnEnd = [this](TBaseToolLayer&) { EndTool(); };
        FCurTool->OnNotice = [this](std::u16string_view text) { host_.ShowNotice(text); };
        host_.ToolCreated(*FCurTool);
    }
}

bool CaptureEditor::EndTool() {
    const TBitmap32& base = imgView1.Bitmap();
    const int w = base.Width(), h = base.Height();
    const bool stamp = FCurTool && FCurTool->Kind() == ctStamp;
    TTextToolControl* text = TextTool();
    bool blank = false;
    TCustomLayer* frame = nullptr;
    if (text) {
        blank = IsBlank(text->Text());
        frame = text->RBLayer();
        if (!text->StopDrawing()) {
            // The box still shows its caret: that must not reach the picture.
            DropUncommittedText();
            return false;
        }
    }
    LayerRect->SetVisible(false);
    if (frame) frame->SetVisible(false);
    try {
        TBitmap32 flat(w, h);
        imgView1.PaintTo(flat, flat.BoundsRect());
        MakeOpaque(flat);
        if (frame) imgView1.Layers().Delete(frame->Index());
        if (FCurTool) {
            FCurTool->OnEnd = nullptr;
            imgView1.Layers().Delete(FCurTool->Index());
            FCurTool = nullptr;
        }
        imgView1.SetBitmap(flat);
        imgView1.Bitmap().SetDrawMode(dmBlend);
    } catch (const std::exception&) {
        // No memory for the flattened picture: nothing is committed. A
        // figure stays on its layer; a stopped text box could never be
        // committed nor edited again, so it goes, with a word.
        LayerRect->SetVisible(true);
        if (text) DropUncommittedText();
        return false;
    }
    LayerRect->SetVisible(true);
    if (!text || !blank) StoreListBitmap32.AddBitmap(imgView1.Bitmap(), stamp);
    AddTool(FCurTypeTool);
    return true;
}

void CaptureEditor::DropUncommittedText() {
    DropTextTool();
    host_.ShowNotice(kTextNotCommittedNotice);
    AddTool(FCurTypeTool);
}

void CaptureEditor::DropTextTool() {
    TTextToolControl* text = TextTool();
    if (!text) return;
    if (TCustomLayer* frame = text->RBLayer()) imgView1.Layers().Delete(frame->Index());
    FCurTool->OnEnd = nullptr;
    imgView1.Layers().Delete(FCurTool->Index());
    FCurTool = nullptr;
}

void CaptureEditor::Undo() {
    if (TTextToolControl* text = TextTool(); text && text->IsStateRedact()) EndTool();
    if (const TBitmap32Ex* p = StoreListBitmap32.UndoGet()) {
        imgView1.SetBitmap(*p);
        imgView1.Bitmap().SetDrawMode(dmBlend);
    }
}

void CaptureEditor::Redo() {
    if (TTextToolControl* text = TextTool(); text && text->IsStateRedact()) EndTool();
    if (const TBitmap32Ex* p = StoreListBitmap32.RedoGet()) {
        imgView1.SetBitmap(*p);
        imgView1.Bitmap().SetDrawMode(dmBlend);
    }
}

void CaptureEditor::SetPropertyTool(TColor cl, int penwidth) {
    TLGSettings& settings = LGSettings();
    if (penwidth > 0) settings.penwidth = penwidth;
    settings.wincolor = cl;
    settings.pencolor = WithAlpha(Color32(cl, systemColors), 0xFF);
}

void CaptureEditor::TestClose() {
    // A text that cannot be committed is dropped, so the next Esc closes.
    if (TTextToolControl* text = TextTool(); text && text->IsStateRedact()) {
        EndTool();
        return;
    }
    Close();
}

void CaptureEditor::Close() {
    FormClose();
    host_.HideWindow();
}

void CaptureEditor::FormClose() {
    host_.HidePanels();
    AddTool(ctNone);
    StoreListBitmap32.Clear(false);
    LayerRect->SetVisibleRect(false);
    imgView1.SetCursor(crCross);
    LayerRect->SetSelectState(ssNoVis);
    LayerRect->SetSnapOutline(std::nullopt);
    snapWindows_ = SnapWindows();
    snapChain_.clear();
    snapLevel_ = 0;
    showing_ = false;
    // The frames go with the capture: a 4K one holds about a hundred
    // megabytes the idle program has no use for. The next capture sizes
    // them again.
    imgView1.Bitmap().SetSize(0, 0);
    LayerDrawTool->Bitmap().SetSize(0, 0);
}

void CaptureEditor::FormKeyDown(std::uint16_t& key, TShiftState shift) {
    const EditorKeyAction action = FindEditorShortcut(key, shift);
    if (action == EditorKeyAction::None) return;
    key = 0;
    switch (action) {
        case EditorKeyAction::TestClose:
            TestClose();
            break;
        case EditorKeyAction::Undo:
            Undo();
            break;
        case EditorKeyAction::Redo:
            Redo();
            break;
        case EditorKeyAction::Copy:
            // Only a complete selection is copied: before one exists there
            // is nothing the user chose.
            if (LayerRect->VisibleRect() && LayerRect->SelectState() == ssEnd) host_.CopyPicture();
            break;
        case EditorKeyAction::None:
            break;
    }
}

}  // namespace lg
