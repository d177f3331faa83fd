// The capture window's behaviour between the start of a capture and its
// close, without the window: the image view with its draw layer, selection
// layer and tool layer, the first selection drawn with the mouse, tools
// switched and each finished figure flattened into the capture with an undo
// snapshot, undo and redo, colour and width, and the keys. What only the
// window can do (panels, showing, focus, the output buttons) it asks of a
// CaptureHost, so all of it runs and is tested without a display.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "capture/editor_shortcuts.h"
#include "capture/rubberband_layer_new.h"
#include "capture/snap_windows.h"
#include "capture/store_list_bitmap32.h"
#include "dpi/display_scale.h"
#include "layers/bitmap_layer.h"
#include "layers/img_view32.h"
#include "raster/bitmap32.h"
#include "tools/base_tool_layer.h"
#include "tools/cur_tool.h"

namespace lg {

class TTextToolControl;

// Said when a text box could not be put into the picture (no memory for
// it): the text is dropped rather than left in a box nobody can close.
inline constexpr std::u16string_view kTextNotCommittedNotice =
    u"Не удалось нанести надпись: не хватает памяти";

class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    // Places the panels, shows the output panel and the palette, places
    // them again (the editor opens).
    virtual void ShowEditorPanels() = 0;
    // Hides the output panel, the palette and the pickers.
    virtual void HidePanels() = 0;
    // Moves the panels beside the selection.
    virtual void UpdatePositionPanels() = 0;
    // The palette's arrow button, set up and clicked: chooses the arrow.
    virtual void SelectArrowTool() = 0;
    // The output flow's upload and copy of the selection (what the output
    // panel's buttons do).
    virtual void UploadPicture() = 0;
    virtual void CopyPicture() = 0;
    // Hides the capture window (the editor has already done FormClose).
    virtual void HideWindow() = 0;
    // Gives the capture window the keyboard focus.
    virtual void FocusWindow() = 0;
    // The undo store's availability, for the palette's undo and redo.
    virtual void UndoRedoStateChanged(bool availUndo, bool availRedo) = 0;
    // The scale of the monitor that shows `r` (capture coordinates): the
    // selection's sizes and the annotations take it.
    virtual DisplayScale ScaleOf(const TRect& r) const {
        (void)r;
        return DisplayScale();
    }
    // A new tool layer is current: the window gives it what only the
    // platform has (the text tool's caret timer and clipboard).
    virtual void ToolCreated(TBaseToolLayer& tool) { (void)tool; }
    // A short message for the user beside the capture (a notification).
    virtual void ShowNotice(std::u16string_view text) { (void)text; }
};

class CaptureEditor {
public:
    explicit CaptureEditor(CaptureHost& host);
    ~CaptureEditor();
    CaptureEditor(const CaptureEditor&) = delete;
    CaptureEditor& operator=(const CaptureEditor&) = delete;

    TImgView32& View() { return imgView1; }
    TRubberbandLayerNew& SelectionLayer() { return *LayerRect; }
    TBitmapLayer& DrawLayer() { return *LayerDrawTool; }
    TStoreListBitmap32& Store() { return StoreListBitmap32; }
    TCurTool CurTypeTool() const { return FCurTypeTool; }
    TBaseToolLayer* CurTool() const { return FCurTool; }
    const TRect& RectWork() const { return rectWork_; }

    // A capture is open: the window shows, or a selection is visible.
    bool IsOpen() const { return showing_ || LayerRect->VisibleRect(); }

    // Opens a capture of `kind` (0 area, 1 a window, 2 the whole screen)
    // on the frozen screen `capture` of the virtual screen `rectWork`, with
    // `selection` (capture coordinates) for kinds 1 and 2. False, with
    // nothing changed, while a capture is open (a hotkey or the chord
    // during editing), and when a window or whole-screen capture has no
    // selection: the capture ends there. Only a capture that opens starts
    // the stamps at 1 again. On true the window must be shown, then
    // ShowWindowDone called.
    bool StartCapture(int kind, const TBitmap32& capture, const TRect& rectWork,
                      std::optional<TRect> selection);
    // The window is showing: kinds 1 and 2 hand over at once.
    void ShowWindowDone();

    // The windows of the frozen screen an area capture snaps to, handed
    // over by the shell once the window shows (reading them must not delay
    // the first frame), with the pointer's position then (view
    // coordinates). While the prompt shows and no drag has begun, the
    // window under the pointer is outlined, the wheel steps out to the
    // enclosing window and back in, and a click selects the outline.
    void SetSnapWindows(SnapWindows windows, TPoint pointer);
    // What a click would select now.
    const std::optional<TRect>& SnapOutline() const { return LayerRect->SnapOutline(); }

    // The hand-over after a completed selection: the editor, or an output
    // at once when the editor is switched off and not forced.
    void ShowSelectRegion(bool forceShowRedact, bool showGif);

    // The selected area of the composed picture (frozen screen and every
    // committed annotation) into `b`. False, leaving b empty, when the
    // selection is empty: no negative or zero size reaches the copy.
    bool GetBitmap(TBitmap32& b) const;

    void AddTool(TCurTool aCurTool);
    // Commits the current figure (and the text being edited) into the
    // capture with an undo snapshot, then starts a fresh layer of the same
    // kind. False when nothing could be committed: the selection shows
    // again, and a text that cannot be committed is dropped with a notice,
    // so no way out of the editor stays blocked by it.
    bool EndTool();
    void Undo();
    void Redo();
    // The drawing colour (a TColor), and the pen width when above 0.
    void SetPropertyTool(TColor cl, int penwidth);
    // Esc: commits text being edited, else closes the capture.
    void TestClose();
    // Closes the capture: panels hidden, tool ended, history dropped.
    void Close();

    // Resolves system colours for SetPropertyTool (the shell asks the
    // platform); null resolves them to black.
    SystemColorLookup systemColors = nullptr;

    // The window's keys (key preview), by kEditorShortcuts: Esc, and
    // Ctrl+Z, Ctrl+Y, Ctrl+C with no other modifier. The key is set to 0
    // when it was used.
    void FormKeyDown(std::uint16_t& key, TShiftState shift);

private:
    void FormClose();
    void imgView1MouseDown(TMouseButton button, TShiftState shift, int x, int y,
                           TCustomLayer* layer);
    void imgView1MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer);
    void imgView1MouseUp(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer);
    void imgView1KeyPress(char16_t& key);
    void imgView1MouseWheel(int delta);
    // The outline follows the pointer: the chain under it is read again,
    // keeping the wheel's step while the innermost window stays the same.
    void UpdateSnap();
    void LayerRectResizing(const TFloatRect& oldLocation, TFloatRect& newLocation);
    TTextToolControl* TextTool() const;
    // Removes the text layer and its frame without committing anything.
    void DropTextTool();
    // A text that cannot be committed: it goes with a notice, and a fresh
    // layer of the current kind takes its place.
    void DropUncommittedText();
    // The selection is (about to be) at `selection`: the scale of the
    // display showing it goes to the selection layer and the tool.
    void SelectionMoved(const TFloatRect& selection);
    // The prompt follows the pointer onto its display's scale.
    void PromptMoved();

    CaptureHost& host_;
    TImgView32 imgView1;
    TBitmapLayer* LayerDrawTool = nullptr;
    TRubberbandLayerNew* LayerRect = nullptr;
    TCurTool FCurTypeTool = ctNone;
    TBaseToolLayer* FCurTool = nullptr;
    TStoreListBitmap32 StoreListBitmap32;
    TRect rectWork_{};
    int FOldX = 0, FOldY = 0;
    // The scale of the display showing the selection, asked of the host
    // only when the selection changes; new tool layers take it.
    DisplayScale selectionScale_;
    bool showing_ = false;
    int pendingKind_ = 0;
    std::optional<TRect> pendingSelection_;
    SnapWindows snapWindows_;
    std::vector<SnapWindows::Hit> snapChain_;  // under the pointer, innermost first
    size_t snapLevel_ = 0;                     // the outlined entry of snapChain_
    int wheelRest_ = 0;                        // wheel movement short of a notch
};

}  // namespace lg
