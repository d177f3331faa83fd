#include "settings/shell_folder_tree.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

namespace lg::win {
namespace {

// Longest file-system path the shell hands back (the "\\?\" limit).
constexpr UINT kLongestPath = 32768;

ITEMIDLIST* ItemIdList(LPARAM data) {
    return reinterpret_cast<ITEMIDLIST*>(data);
}

// The number of items in an ID list (0 for the desktop's empty list).
int ItemCount(const ITEMIDLIST* list) {
    int n = 0;
    for (const SHITEMID* id = &list->mkid; id->cb != 0;
         id = reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(id) + id->cb)) {
        ++n;
    }
    return n;
}

// The first `count` items of an absolute ID list, as a list of their own.
UniqueIdList Prefix(const ITEMIDLIST* list, int count) {
    UniqueIdList copy(ILClone(list));
    if (!copy) return copy;
    auto* id = &copy.get()->mkid;
    for (int i = 0; i < count && id->cb != 0; ++i) {
        id = reinterpret_cast<SHITEMID*>(reinterpret_cast<BYTE*>(id) + id->cb);
    }
    id->cb = 0;
    return copy;
}

// Whether two absolute ID lists name the same item. Lists of one item can
// differ in their bytes (a parsed list carries less than an enumerated
// one), so the desktop compares them.
bool SameItem(const ITEMIDLIST* a, const ITEMIDLIST* b) {
    if (ILIsEqual(a, b)) return true;
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.put()))) return false;
    const HRESULT hr = desktop->CompareIDs(0, a, b);
    return SUCCEEDED(hr) && HRESULT_CODE(hr) == 0;
}

// The folder object of an absolute ID list (the desktop for the empty one).
bool BindFolder(const ITEMIDLIST* absolute, ComPtr<IShellFolder>& folder) {
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.put()))) return false;
    if (absolute->mkid.cb == 0) return SUCCEEDED(SHGetDesktopFolder(folder.put()));
    return SUCCEEDED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.put_void()));
}

std::wstring NameInFolder(IShellFolder& folder, const ITEMIDLIST* child) {
    STRRET ret{};
    if (FAILED(folder.GetDisplayNameOf(child, SHGDN_INFOLDER, &ret))) return {};
    wchar_t name[MAX_PATH] = {};
    // Frees what the STRRET owns, whatever its kind.
    if (FAILED(StrRetToBufW(&ret, child, name, MAX_PATH))) return {};
    return name;
}

// The shell's own name of an absolute ID list.
std::wstring ShellName(const ITEMIDLIST* absolute) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof(info),
                        SHGFI_PIDL | SHGFI_DISPLAYNAME)) {
        return {};
    }
    return info.szDisplayName;
}

int ShellIcon(const ITEMIDLIST* absolute, bool open) {
    SHFILEINFOW info{};
    const UINT flags =
        SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (open ? SHGFI_OPENICON : 0u);
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof(info), flags)) {
        return 0;
    }
    return info.iIcon;
}

// Orders the children of one folder as the shell orders them.
int CALLBACK CompareInFolder(LPARAM a, LPARAM b, LPARAM folder) {
    const HRESULT hr = reinterpret_cast<IShellFolder*>(folder)->CompareIDs(
        0, ILFindLastID(ItemIdList(a)), ILFindLastID(ItemIdList(b)));
    return SUCCEEDED(hr) ? static_cast<short>(HRESULT_CODE(hr)) : 0;
}

}  // namespace

ShellFolderTree::~ShellFolderTree() {
    Destroy();
}

void ShellFolderTree::Destroy() {
    if (tree_ && IsWindow(tree_)) {
        // The parent may no longer pass the deletions on; the lists are
        // freed here, and the control then deletes items that hold none.
        FreeAllIdLists();
        DestroyWindow(tree_);
    }
    tree_ = nullptr;
}

bool ShellFolderTree::Create(HWND parent, int id) {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    tree_ = CreateWindowExW(0, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!tree_) return false;
    TreeView_SetBkColor(tree_, RGB(255, 255, 255));
    TreeView_SetTextColor(tree_, RGB(0, 0, 0));

    ITEMIDLIST* raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &raw)) || !raw) return false;
    UniqueIdList desktop(raw);
    // The system's list of shell icons: shared, never destroyed by us.
    SHFILEINFOW info{};
    const auto icons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktop.get()), 0, &info, sizeof(info),
                       SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (icons) TreeView_SetImageList(tree_, icons, TVSIL_NORMAL);

    const std::wstring name = ShellName(desktop.get());
    HTREEITEM root = Insert(TVI_ROOT, std::move(desktop), name, true);
    if (!root) return false;
    Fill(root);
    TreeView_Expand(tree_, root, TVE_EXPAND);
    TreeView_SelectItem(tree_, root);
    return true;
}

void ShellFolderTree::SetBounds(const RECT& r) {
    if (tree_) {
        SetWindowPos(tree_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShellFolderTree::SetTextFont(const wchar_t* family, int pixelHeight) {
    UniqueGdiObject font(CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family));
    if (!font || !tree_) return;
    SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The control has let go of the old font only now.
    font_ = std::move(font);
}

void ShellFolderTree::SetIndent(int pixels) {
    if (tree_) TreeView_SetIndent(tree_, pixels);
}

const ITEMIDLIST* ShellFolderTree::IdListOf(HTREEITEM item) const {
    if (!tree_ || !item) return nullptr;
    TVITEMW tv{};
    tv.mask = TVIF_PARAM | TVIF_HANDLE;
    tv.hItem = item;
    if (!TreeView_GetItem(tree_, &tv)) return nullptr;
    return ItemIdList(tv.lParam);
}

HTREEITEM ShellFolderTree::Root() const {
    return tree_ ? TreeView_GetRoot(tree_) : nullptr;
}

HTREEITEM ShellFolderTree::Insert(HTREEITEM parent, UniqueIdList absolute, const std::wstring& name,
                                  bool hasChildren) {
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = const_cast<wchar_t*>(name.c_str());
    ins.item.cChildren = hasChildren ? 1 : 0;
    // Icons are looked up when an item is first drawn.
    ins.item.iImage = I_IMAGECALLBACK;
    ins.item.iSelectedImage = I_IMAGECALLBACK;
    ins.item.lParam = reinterpret_cast<LPARAM>(absolute.get());
    HTREEITEM item = TreeView_InsertItem(tree_, &ins);
    // From here the item owns the list; TVN_DELETEITEM frees it.
    if (item) absolute.release();
    return item;
}

void ShellFolderTree::SetHasChildren(HTREEITEM item, bool has) {
    TVITEMW tv{};
    tv.mask = TVIF_CHILDREN | TVIF_HANDLE;
    tv.hItem = item;
    tv.cChildren = has ? 1 : 0;
    TreeView_SetItem(tree_, &tv);
}

void ShellFolderTree::Fill(HTREEITEM item) {
    if (TreeView_GetChild(tree_, item)) return;
    const ITEMIDLIST* parent = IdListOf(item);
    ComPtr<IShellFolder> folder;
    ComPtr<IEnumIDList> list;
    // S_FALSE: the folder declined to list (a drive without a medium).
    if (!parent || !BindFolder(parent, folder) ||
        folder->EnumObjects(tree_, SHCONTF_FOLDERS, list.put()) != S_OK || !list.get()) {
        SetHasChildren(item, false);
        return;
    }
    HCURSOR wait = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // IDC_WAIT
    bool any = false;
    ITEMIDLIST* raw = nullptr;
    ULONG fetched = 0;
    while (list->Next(1, &raw, &fetched) == S_OK && fetched == 1) {
        UniqueIdList child(raw);
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_STREAM;
        LPCITEMIDLIST children[] = {child.get()};
        if (FAILED(folder->GetAttributesOf(1, children, &attributes))) continue;
        // A file the shell can open as a folder (an archive) is not a
        // place to save into.
        if (!(attributes & SFGAO_FOLDER) || (attributes & SFGAO_STREAM)) continue;
        const std::wstring name = NameInFolder(*folder.get(), child.get());
        UniqueIdList absolute(ILCombine(parent, child.get()));
        if (!absolute) continue;
        any |= Insert(item, std::move(absolute), name, (attributes & SFGAO_HASSUBFOLDER) != 0) !=
               nullptr;
    }
    SetCursor(wait);
    if (!any) {
        SetHasChildren(item, false);
        return;
    }
    TVSORTCB sort{};
    sort.hParent = item;
    sort.lpfnCompare = &CompareInFolder;
    sort.lParam = reinterpret_cast<LPARAM>(folder.get());
    TreeView_SortChildrenCB(tree_, &sort, FALSE);
}

HTREEITEM ShellFolderTree::ChildFor(HTREEITEM parent, const ITEMIDLIST* absolute) {
    for (HTREEITEM c = TreeView_GetChild(tree_, parent); c; c = TreeView_GetNextSibling(tree_, c)) {
        if (const ITEMIDLIST* own = IdListOf(c); own && SameItem(own, absolute)) return c;
    }
    // A folder the listing leaves out (a hidden one) on the way to a
    // folder that was asked for: added where it belongs.
    UniqueIdList copy(ILClone(absolute));
    if (!copy) return nullptr;
    const std::wstring name = ShellName(copy.get());
    HTREEITEM item = Insert(parent, std::move(copy), name, true);
    if (item) SetHasChildren(parent, true);
    return item;
}

bool ShellFolderTree::SelectFolder(std::wstring_view folder) {
    if (!tree_ || folder.empty()) return false;
    const std::wstring text(folder);
    ITEMIDLIST* raw = nullptr;
    if (FAILED(SHParseDisplayName(text.c_str(), nullptr, &raw, 0, nullptr)) || !raw) return false;
    const UniqueIdList target(raw);
    HTREEITEM item = Root();
    const int depth = ItemCount(target.get());
    for (int level = 1; item && level <= depth; ++level) {
        Fill(item);
        TreeView_Expand(tree_, item, TVE_EXPAND);
        const UniqueIdList step = Prefix(target.get(), level);
        item = step ? ChildFor(item, step.get()) : nullptr;
    }
    if (!item) return false;
    TreeView_SelectItem(tree_, item);
    TreeView_EnsureVisible(tree_, item);
    return true;
}

std::wstring ShellFolderTree::Path() const {
    const ITEMIDLIST* list = IdListOf(tree_ ? TreeView_GetSelection(tree_) : nullptr);
    if (!list) return {};
    std::wstring path(kLongestPath, L'\0');
    if (!SHGetPathFromIDListEx(list, path.data(), kLongestPath, GPFIDL_DEFAULT)) return {};
    path.resize(wcslen(path.c_str()));
    return path;
}

bool ShellFolderTree::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (!tree_ || header.hwndFrom != tree_) return false;
    switch (header.code) {
        case TVN_ITEMEXPANDINGW: {
            const auto& nm = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (nm.action & TVE_EXPAND) Fill(nm.itemNew.hItem);
            result = FALSE;  // let it expand
            return true;
        }
        case TVN_DELETEITEMW: {
            const auto& nm = reinterpret_cast<const NMTREEVIEWW&>(header);
            CoTaskMemFree(ItemIdList(nm.itemOld.lParam));
            result = 0;
            return true;
        }
        case TVN_GETDISPINFOW: {
            auto& info = const_cast<NMTVDISPINFOW&>(reinterpret_cast<const NMTVDISPINFOW&>(header));
            const ITEMIDLIST* list = ItemIdList(info.item.lParam);
            if (!list) return false;
            if (info.item.mask & TVIF_IMAGE) info.item.iImage = ShellIcon(list, false);
            if (info.item.mask & TVIF_SELECTEDIMAGE) {
                info.item.iSelectedImage = ShellIcon(list, true);
            }
            info.item.mask |= TVIF_DI_SETITEM;  // asked once per item
            result = 0;
            return true;
        }
    }
    return false;
}

void ShellFolderTree::FreeAllIdLists() {
    std::vector<HTREEITEM> pending;
    if (HTREEITEM root = Root()) pending.push_back(root);
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        for (HTREEITEM c = TreeView_GetChild(tree_, item); c;
             c = TreeView_GetNextSibling(tree_, c)) {
            pending.push_back(c);
        }
        TVITEMW tv{};
        tv.mask = TVIF_PARAM | TVIF_HANDLE;
        tv.hItem = item;
        if (!TreeView_GetItem(tree_, &tv)) continue;
        CoTaskMemFree(ItemIdList(tv.lParam));
        tv.lParam = 0;
        TreeView_SetItem(tree_, &tv);
    }
    TreeView_DeleteAllItems(tree_);
}

}  // namespace lg::win
