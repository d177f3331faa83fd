// lgprobe: looks into the Wine session for the end-to-end scenarios and
// prints what it sees as one line of JSON.
//   lgprobe windows            top-level windows
//   lgprobe tray               the taskbar's notification area and its children
//   lgprobe children HWND      a window's child windows, all levels down
//   lgprobe reg KEY [VALUE]    a value (or the existence of a key) under HKCU
//   lgprobe post CLASS MSGNAME registers MSGNAME and posts it to the window
//   lgprobe image PID          the executable a process was started from
//   lgprobe holdclip SECONDS   keeps the clipboard open, as a clipboard manager
//                              does for moments, until killed
#include <windows.h>
// After windows.h, which they need.
#include <wincrypt.h>
#include <winhttp.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& s) {
    if (s.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string Json(const std::wstring& s) {
    std::string u = Utf8(s), out = "\"";
    for (unsigned char c : u) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Describe(HWND w) {
    wchar_t cls[256] = {}, text[512] = {};
    GetClassNameW(w, cls, 256);
    GetWindowTextW(w, text, 512);
    RECT r{};
    GetWindowRect(w, &r);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "\"hwnd\":%lu,\"visible\":%s,\"rect\":[%ld,%ld,%ld,%ld],\"pid\":%lu,"
                  "\"style\":%lu,\"exstyle\":%lu",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)),
                  IsWindowVisible(w) ? "true" : "false", r.left, r.top, r.right, r.bottom,
                  static_cast<unsigned long>(pid),
                  static_cast<unsigned long>(GetWindowLongW(w, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongW(w, GWL_EXSTYLE)));
    return "{\"class\":" + Json(cls) + ",\"caption\":" + Json(text) + "," + buf + "}";
}

BOOL CALLBACK Collect(HWND w, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

void PrintList(const std::vector<HWND>& list) {
    std::string out = "[";
    for (size_t i = 0; i < list.size(); ++i) {
        if (i) out += ",";
        out += Describe(list[i]);
    }
    std::printf("%s]\n", out.c_str());
}

int Windows() {
    std::vector<HWND> list;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&list));
    PrintList(list);
    return 0;
}

int Children(const wchar_t* hwnd) {
    HWND parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoul(hwnd, nullptr, 10)));
    if (!IsWindow(parent)) {
        std::printf("null\n");
        return 1;
    }
    std::vector<HWND> list;
    EnumChildWindows(parent, &Collect, reinterpret_cast<LPARAM>(&list));
    PrintList(list);
    return 0;
}

int Tray() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) {
        std::printf("null\n");
        return 1;
    }
    std::vector<HWND> list{tray};
    EnumChildWindows(tray, &Collect, reinterpret_cast<LPARAM>(&list));
    PrintList(list);
    return 0;
}

int Reg(const wchar_t* key, const wchar_t* value) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &h) != ERROR_SUCCESS) {
        std::printf("{\"key\":false}\n");
        return 0;
    }
    if (!value) {
        RegCloseKey(h);
        std::printf("{\"key\":true}\n");
        return 0;
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(h, value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        RegCloseKey(h);
        std::printf("{\"key\":true,\"value\":false}\n");
        return 0;
    }
    std::vector<BYTE> data(size + 2, 0);
    RegQueryValueExW(h, value, nullptr, &type, data.data(), &size);
    RegCloseKey(h);
    std::string shown;
    if (type == REG_DWORD && size == 4) {
        DWORD v;
        memcpy(&v, data.data(), 4);
        shown = std::to_string(v);
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        shown = Json(reinterpret_cast<const wchar_t*>(data.data()));
    } else {
        shown = "\"";
        for (DWORD i = 0; i < size; ++i) {
            char b[4];
            std::snprintf(b, sizeof b, "%02x", data[i]);
            shown += b;
        }
        shown += "\"";
    }
    std::printf("{\"key\":true,\"value\":true,\"type\":%lu,\"data\":%s}\n",
                static_cast<unsigned long>(type), shown.c_str());
    return 0;
}

int Post(const wchar_t* cls, const wchar_t* msgName) {
    HWND w = FindWindowW(cls, nullptr);
    if (!w) {
        std::printf("{\"posted\":false}\n");
        return 1;
    }
    UINT msg = RegisterWindowMessageW(msgName);
    BOOL ok = PostMessageW(w, msg, 0, 0);
    std::printf("{\"posted\":%s}\n", ok ? "true" : "false");
    return ok ? 0 : 1;
}

// Holds a global hotkey like another program would for `seconds` (or until
// it is killed); prints whether the system gave it.
int Hold(const wchar_t* modifiers, const wchar_t* vk, const wchar_t* seconds) {
    const UINT mods = static_cast<UINT>(std::wcstoul(modifiers, nullptr, 0));
    const UINT key = static_cast<UINT>(std::wcstoul(vk, nullptr, 0));
    const BOOL ok = RegisterHotKey(nullptr, 1, mods | MOD_NOREPEAT, key);
    std::printf("{\"held\":%s}\n", ok ? "true" : "false");
    std::fflush(stdout);
    if (!ok) return 1;
    const DWORD until =
        GetTickCount() + 1000 * static_cast<DWORD>(std::wcstoul(seconds, nullptr, 0));
    while (static_cast<int>(until - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        Sleep(50);
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}

// Holds the clipboard open like another program would for `seconds` (or
// until it is killed); prints whether it got it.
int HoldClipboard(const wchar_t* seconds) {
    const BOOL ok = OpenClipboard(nullptr);
    std::printf("{\"held\":%s}\n", ok ? "true" : "false");
    std::fflush(stdout);
    if (!ok) return 1;
    Sleep(1000 * static_cast<DWORD>(std::wcstoul(seconds, nullptr, 0)));
    CloseClipboard();
    return 0;
}

// A window of random pixels at the given place, for pictures that do not
// compress; says {"shown":true} once painted and stays until killed or
// the seconds have passed.
LRESULT CALLBACK NoiseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int w = rc.right, h = rc.bottom;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    std::uint32_t x = 2463534242u;  // xorshift: the same noise every time
    for (std::uint32_t& p : pixels) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        p = x & 0xFFFFFF;
    }
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, pixels.data(), &bi, DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
    return 0;
}

int Noise(wchar_t** args) {
    int v[5];
    for (int i = 0; i < 5; ++i) v[i] = static_cast<int>(std::wcstol(args[i], nullptr, 10));
    WNDCLASSW wc{};
    wc.lpfnWndProc = NoiseProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LgProbeNoise";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"noise",
                                WS_POPUP | WS_VISIBLE, v[0], v[1], v[2], v[3], nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!hwnd) return 1;
    UpdateWindow(hwnd);
    std::printf("{\"shown\":true}\n");
    std::fflush(stdout);
    const DWORD until = GetTickCount() + 1000 * static_cast<DWORD>(v[4]);
    while (static_cast<int>(until - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    return 0;
}

// Makes the certificate in a PEM or DER file a trusted root of this user,
// as an administrator would for a self-hosted server's own authority.
int Trust(const wchar_t* path) {
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("{\"trusted\":false,\"why\":\"open\"}\n");
        return 1;
    }
    std::vector<BYTE> bytes(GetFileSize(file, nullptr));
    DWORD got = 0;
    const BOOL read = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    if (!read) return 1;
    DWORD derSize = 0;
    std::vector<BYTE> der;
    if (CryptStringToBinaryA(reinterpret_cast<const char*>(bytes.data()), got,
                             CRYPT_STRING_BASE64HEADER, nullptr, &derSize, nullptr, nullptr)) {
        der.resize(derSize);
        CryptStringToBinaryA(reinterpret_cast<const char*>(bytes.data()), got,
                             CRYPT_STRING_BASE64HEADER, der.data(), &derSize, nullptr, nullptr);
    } else {
        der.assign(bytes.begin(), bytes.begin() + got);
    }
    HCERTSTORE store =
        CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    const BOOL added =
        store && CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                                  static_cast<DWORD>(der.size()),
                                                  CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    if (store) CertCloseStore(store, 0);
    std::printf("{\"trusted\":%s}\n", added ? "true" : "false");
    return added ? 0 : 1;
}

// A GET over WinHTTP with the system's certificate checks, as the program
// makes them: the status and the body's length, or the error code.
int Get(const wchar_t* url) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    wchar_t host[256] = L"", path[2048] = L"";
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = 2048;
    if (!WinHttpCrackUrl(url, 0, 0, &parts)) {
        std::printf("{\"error\":%lu}\n", GetLastError());
        return 1;
    }
    HINTERNET session = WinHttpOpen(L"lgprobe", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                    WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    HINTERNET connection = session ? WinHttpConnect(session, host, parts.nPort, 0) : nullptr;
    HINTERNET request =
        connection
            ? WinHttpOpenRequest(connection, L"GET", path, nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES,
                                 parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0)
            : nullptr;
    DWORD status = 0, size = sizeof(status), total = 0;
    bool ok =
        request &&
        WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                           0) &&
        WinHttpReceiveResponse(request, nullptr) &&
        WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    const DWORD error = ok ? 0 : GetLastError();
    for (DWORD n = 0; ok && WinHttpQueryDataAvailable(request, &n) && n;) {
        std::vector<char> chunk(n);
        DWORD read = 0;
        if (!WinHttpReadData(request, chunk.data(), n, &read) || !read) break;
        total += read;
    }
    if (request) WinHttpCloseHandle(request);
    if (connection) WinHttpCloseHandle(connection);
    if (session) WinHttpCloseHandle(session);
    if (!ok) {
        std::printf("{\"error\":%lu}\n", static_cast<unsigned long>(error));
        return 1;
    }
    std::printf("{\"status\":%lu,\"bytes\":%lu}\n", static_cast<unsigned long>(status),
                static_cast<unsigned long>(total));
    return 0;
}

int Image(const wchar_t* pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 static_cast<DWORD>(std::wcstoul(pid, nullptr, 0)));
    wchar_t path[MAX_PATH * 2] = L"";
    DWORD size = MAX_PATH * 2;
    const BOOL ok = process && QueryFullProcessImageNameW(process, 0, path, &size);
    if (process) CloseHandle(process);
    std::printf("{\"path\":%s}\n", ok ? Json(path).c_str() : "null");
    return ok ? 0 : 1;
}

// Puts COUNT letters "w" on the clipboard as text, from inside Wine, so a
// test of a huge paste does not depend on the X selection bringing
// megabytes over.
int ClipText(const wchar_t* count) {
    const std::size_t n = std::wcstoul(count, nullptr, 0);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (n + 1) * sizeof(wchar_t));
    if (!memory) return 1;
    auto* text = static_cast<wchar_t*>(GlobalLock(memory));
    std::fill(text, text + n, L'w');
    text[n] = 0;
    GlobalUnlock(memory);
    bool ok = false;
    for (int attempt = 0; attempt < 50 && !ok; ++attempt) {
        if (OpenClipboard(nullptr)) {
            ok = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
            CloseClipboard();
        } else {
            Sleep(100);
        }
    }
    if (!ok) GlobalFree(memory);
    std::printf("{\"set\":%s}\n", ok ? "true" : "false");
    return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: lgprobe windows|tray|children HWND|reg KEY [VALUE]|post CLASS MSG|hold "
            "MODS VK SECONDS|trust CERT|get URL|noise X Y W H SECONDS|image PID|holdclip "
            "SECONDS|cliptext COUNT\n");
        return 2;
    }
    std::wstring cmd = argv[1];
    if (cmd == L"windows") return Windows();
    if (cmd == L"tray") return Tray();
    if (cmd == L"children" && argc >= 3) return Children(argv[2]);
    if (cmd == L"reg" && argc >= 3) return Reg(argv[2], argc >= 4 ? argv[3] : nullptr);
    if (cmd == L"post" && argc >= 4) return Post(argv[2], argv[3]);
    if (cmd == L"hold" && argc >= 5) return Hold(argv[2], argv[3], argv[4]);
    if (cmd == L"trust" && argc >= 3) return Trust(argv[2]);
    if (cmd == L"get" && argc >= 3) return Get(argv[2]);
    if (cmd == L"noise" && argc >= 7) return Noise(argv + 2);
    if (cmd == L"image" && argc >= 3) return Image(argv[2]);
    if (cmd == L"holdclip" && argc >= 3) return HoldClipboard(argv[2]);
    if (cmd == L"cliptext" && argc >= 3) return ClipText(argv[2]);
    std::fprintf(stderr, "lgprobe: unknown command\n");
    return 2;
}
