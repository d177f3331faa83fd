// The folder tree of the folder picker: a system tree control showing the
// shell's namespace from the desktop down, folders only, with the shell's
// names and icons. Items are filled in when first expanded. Each item holds
// its absolute ID list, owned by the tree and freed when the item goes.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <string_view>

#include "platform/handles.h"

namespace lg::win {

// An ID list from the shell's allocator.
struct IdListTraits {
    static ITEMIDLIST* Invalid() { return nullptr; }
    static void Close(ITEMIDLIST* p) { CoTaskMemFree(p); }
};
using UniqueIdList = UniqueHandle<ITEMIDLIST*, IdListTraits>;

class ShellFolderTree {
public:
    ShellFolderTree() = default;
    ~ShellFolderTree();
    ShellFolderTree(const ShellFolderTree&) = delete;
    ShellFolderTree& operator=(const ShellFolderTree&) = delete;

    // Creates the control as a child of `parent` (which hands it its
    // WM_NOTIFY through HandleNotify) with the desktop at the root, its
    // first level shown. COM must be initialised on the thread.
    bool Create(HWND parent, int id);
    // Frees every item's list and destroys the control (also done by the
    // destructor); the parent calls it while it can still take the
    // control's last messages.
    void Destroy();
    HWND hwnd() const { return tree_; }

    // Places the control in its parent's client area.
    void SetBounds(const RECT& r);
    // The font of the item names: `family` at a character height of
    // `pixelHeight`.
    void SetTextFont(const wchar_t* family, int pixelHeight);
    // How far each level is indented from its parent, in pixels.
    void SetIndent(int pixels);

    // A WM_NOTIFY the control sent its parent; true when handled, with the
    // message's result in `result`.
    bool HandleNotify(const NMHDR& header, LRESULT& result);

    // Expands the way from the desktop down to `folder` and selects it.
    // False, with the selection unchanged, when the shell does not know it.
    bool SelectFolder(std::wstring_view folder);
    // The selected item's file-system path, without a trailing separator
    // except at a drive's root; empty for an item that has none (a
    // virtual folder such as the computer) or when nothing is selected.
    std::wstring Path() const;

    // The item's absolute ID list (owned by the tree), or null.
    const ITEMIDLIST* IdListOf(HTREEITEM item) const;
    HTREEITEM Root() const;

private:
    HTREEITEM Insert(HTREEITEM parent, UniqueIdList absolute, const std::wstring& name,
                     bool hasChildren);
    // Lists the item's subfolders under it unless it has been filled.
    void Fill(HTREEITEM item);
    void SetHasChildren(HTREEITEM item, bool has);
    HTREEITEM ChildFor(HTREEITEM parent, const ITEMIDLIST* absolute);
    void FreeAllIdLists();

    HWND tree_ = nullptr;
    UniqueGdiObject font_;
};

}  // namespace lg::win
