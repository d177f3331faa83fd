#include "app/taskbar_button.h"

#include <shobjidl.h>

#include "platform/handles.h"

namespace lg::win {

HRESULT RemoveAppTaskbarButton(HWND wnd) {
    ScopedComInit com;
    ComPtr<ITaskbarList> list;
    HRESULT hr = CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ITaskbarList, list.put_void());
    if (FAILED(hr)) return hr;
    hr = list->HrInit();
    if (FAILED(hr)) return hr;
    return list->DeleteTab(wnd);
}

}  // namespace lg::win
