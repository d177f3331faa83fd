// The output panel's upload on a real capture, with the HTTP client faked:
// the picture leaves encoded as the format setting says, the capture ends
// at once, and the reply puts the link on the clipboard, says so and opens
// it; every failed reply says the upload failed and leaves the clipboard;
// a link the clipboard refused is shown with a button that copies it.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "capture/set_region_form.h"
#include "held_clipboard.h"
#include "message_pump.h"
#include "output/bhint_form.h"
#include "output/load_form.h"
#include "output/panel_save.h"
#include "platform/clipboard_text.h"
#include "platform/u16.h"
#include "png_decode.h"
#include "scratch_folder.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr char16_t kLinkCopied[] = u"Ссылка на скриншот в буфере обмена.";
constexpr char16_t kUploadFailed[] =
    u"Не удалось загрузить скриншот.\r\nПожалуйста, попробуйте еще раз.";
constexpr char16_t kCopyFailed[] =
    u"Не удалось скопировать в буфер обмена.\r\nПожалуйста, попробуйте еще раз.";

// Answers every upload with `reply`, keeping what it was sent. Runs on the
// worker thread.
class FakeServer : public UploadTransport {
public:
    explicit FakeServer(std::string reply) : reply_(std::move(reply)) {}
    std::optional<std::string> Post(const UploadRequest& request,
                                    const std::function<void(std::int64_t)>& written) override {
        written(static_cast<std::int64_t>(request.body.size()));
        const std::lock_guard lock(mutex_);
        bodies_.emplace_back(request.body.begin(), request.body.end());
        return reply_;
    }
    void Cancel() override {}
    std::vector<std::string> Bodies() {
        const std::lock_guard lock(mutex_);
        return bodies_;
    }

private:
    const std::string reply_;
    std::mutex mutex_;
    std::vector<std::string> bodies_;
};

constexpr char kLink[] = "https://img.example/s/Ab3";

// The file part's bytes inside a multipart body.
std::string FilePart(const std::string& body) {
    const std::size_t head = body.find("name=\"filescreen\"");
    const std::size_t start = body.find("\r\n\r\n", head) + 4;
    const std::size_t end = body.rfind("\r\n--");
    return body.substr(start, end - start);
}

class PanelUploadTest : public ::testing::Test {
protected:
    void SetUp() override {
        LGSettings().path = AsU16(dir_.path());
        LGSettings().ShowRedact = true;
        LGSettings().OpenURL = true;
        ASSERT_TRUE(form_.CreateForm());
        auto server = std::make_unique<FakeServer>(std::string(R"({"screen_link":")") + kLink +
                                                   R"(","error":""})");
        server_ = server.get();
        worker_ = std::make_unique<TThreadSendScreen>(std::move(server));
        ASSERT_TRUE(panel_.CreateForm(form_, worker_.get()));
        panel_.OpenLinkInBrowser = [this](const std::wstring& link) {
            opened_.push_back(link);
            hintShowingWhenOpened_ = hint_.Showing();
        };
        form_.SetPanels(&panel_, nullptr);
        ASSERT_TRUE(hint_.CreateForm());
        ASSERT_TRUE(load_.CreateForm());
    }
    void TearDown() override {
        form_.Editor().Close();
        LGSettings() = settings_;
    }

    bool CaptureOpen() { return IsWindowVisible(form_.hwnd()) && form_.Editor().IsOpen(); }

    const TLGSettings settings_ = LGSettings();
    test::ScratchFolder dir_{L"panel-upload"};
    TSetRegionForm form_;
    TBHintForm hint_;
    TLoadForm load_;
    // The application's worker in the program; the panel lets go of it first.
    std::unique_ptr<TThreadSendScreen> worker_;
    TPanelSave panel_;
    FakeServer* server_ = nullptr;
    std::vector<std::wstring> opened_;
    bool hintShowingWhenOpened_ = false;
};

TEST_F(PanelUploadTest, TheButtonSendsThePictureAndTheLinkComesBack) {
    struct Case {
        const char* why;
        int format;
        bool saveLocal;
        bool editor;  // false: the quick output right after the selection
        std::string_view tag;
        std::string_view magic;
        const wchar_t* localCopy;  // extension of the automatic copy, or none
    };
    const Case cases[] = {
        {"BMP setting: a PNG goes, the automatic copy is a BMP", 2, true, true, ".PNG", "\x89PNG",
         L".bmp"},
        {"JPEG setting, no automatic copy", 1, false, true, ".JPG", "\xFF\xD8\xFF", nullptr},
        {"editor off with Server on: uploads straight away", 0, false, false, ".PNG", "\x89PNG",
         nullptr},
    };
    for (const Case& c : cases) {
        LGSettings().format = c.format;
        LGSettings().SaveLocal = c.saveLocal;
        LGSettings().ShowRedact = c.editor;
        LGSettings().Server = true;
        hint_.Close();
        const std::size_t before = server_->Bodies().size();
        form_.StartSelectRegion(2);
        test::PumpFor(100);
        if (c.editor) {
            ASSERT_TRUE(CaptureOpen()) << c.why;
            panel_.btSendCloud.Click();
        }
        EXPECT_FALSE(CaptureOpen()) << c.why << ": the capture ends once the picture is queued";
        ASSERT_NE(test::PumpUntil([&] { return hint_.Showing(); }, 20000), -1) << c.why;
        EXPECT_EQ(hint_.lbText.Caption(), kLinkCopied) << c.why;
        EXPECT_EQ(ReadClipboardText(nullptr), AsU16(Utf8ToWide(kLink))) << c.why;

        const std::vector<std::string> bodies = server_->Bodies();
        ASSERT_EQ(bodies.size(), before + 1) << c.why;
        const std::string& body = bodies.back();
        EXPECT_NE(body.find("name=\"format\"\r\nContent-Type: text/plain\r\n"
                            "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
                            std::string(c.tag) + "\r\n"),
                  std::string::npos)
            << c.why;
        const std::string file = FilePart(body);
        EXPECT_EQ(file.rfind(c.magic, 0), 0u) << c.why;
        if (c.tag == ".PNG") {
            const auto png = test::DecodePng(
                std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
            ASSERT_TRUE(png.has_value()) << c.why;
            EXPECT_EQ(png->width, GetSystemMetrics(SM_CXVIRTUALSCREEN)) << c.why;
        }
        int copies = 0;
        for (const std::wstring& name : test::FolderNames(dir_.path())) {
            copies += c.localCopy && name.ends_with(c.localCopy);
        }
        EXPECT_EQ(copies, c.localCopy ? 1 : 0) << c.why;
        for (const std::wstring& name : test::FolderNames(dir_.path())) {
            DeleteFileW((dir_ / name).c_str());
        }
    }
    EXPECT_EQ(opened_.size(), 3u) << "each link opened (OpenURL on)";
}

TEST_F(PanelUploadTest, LinkReadyCopiesOpensOrReportsTheFailure) {
    struct Case {
        const char* why;
        std::string reply;
        bool openUrl;
        std::u16string clipboard;  // afterwards
        std::u16string_view message;
        bool opened;
    };
    const std::u16string before = u"прежний текст";
    const std::u16string link = u"https://img.example/s/Жк";
    const Case cases[] = {
        {"a link, OpenURL on", "{\"screen_link\":\"https://img.example/s/\xD0\x96\xD0\xBA\"}", true,
         link, kLinkCopied, true},
        {"a link, OpenURL off", "{\"screen_link\":\"https://img.example/s/\xD0\x96\xD0\xBA\"}",
         false, link, kLinkCopied, false},
        {"not a web address: copied, never run", R"({"screen_link":"C:\\Windows\\notepad.exe"})",
         true, u"C:\\Windows\\notepad.exe", kLinkCopied, false},
        {"an error beside the link", R"({"error":"limit","screen_link":"https://img.example/x"})",
         true, before, kUploadFailed, false},
        {"no reply (the request failed)", "", true, before, kUploadFailed, false},
        {"an HTML page", "<html><body>Bad Gateway</body></html>", true, before, kUploadFailed,
         false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(WriteClipboardText(nullptr, before), static_cast<DWORD>(ERROR_SUCCESS));
        LGSettings().OpenURL = c.openUrl;
        opened_.clear();
        hintShowingWhenOpened_ = false;
        hint_.Close();
        panel_.LinkReady(c.reply);
        EXPECT_EQ(ReadClipboardText(nullptr), c.clipboard) << c.why;
        ASSERT_TRUE(hint_.Showing()) << c.why;
        EXPECT_EQ(hint_.lbText.Caption(), c.message) << c.why;
        ASSERT_EQ(opened_.size(), c.opened ? 1u : 0u) << c.why;
        if (c.opened) {
            EXPECT_EQ(opened_[0], ToWide(link)) << c.why;
            EXPECT_TRUE(hintShowingWhenOpened_) << c.why << ": the notification comes first";
        }
    }
}

TEST_F(PanelUploadTest, ALinkTheClipboardRefusedIsShownAndItsButtonCopiesIt) {
    const std::u16string before = u"прежний текст";
    ASSERT_EQ(WriteClipboardText(nullptr, before), static_cast<DWORD>(ERROR_SUCCESS));
    LGSettings().OpenURL = false;
    hint_.Close();
    {
        // Held through the reply and the first press: each waits its
        // second for the clipboard.
        test::HeldClipboard holder(4000);
        ASSERT_TRUE(holder.holding());
        panel_.LinkReady(std::string(R"({"error":"","screen_link":")") + kLink +
                         R"(","delete_link":"https://img.example/d/Ab3/k"})");
        ASSERT_TRUE(hint_.Showing());
        EXPECT_TRUE(hint_.ShowsLink());
        EXPECT_EQ(hint_.lbText.Caption(), u"Ссылка получена, но буфер обмена занят");
        EXPECT_EQ(hint_.lbLink.Caption(), AsU16(Utf8ToWide(kLink)));
        ASSERT_TRUE(panel_.LastUpload().has_value());
        EXPECT_EQ(panel_.LastUpload()->deleteLink, "https://img.example/d/Ab3/k");

        hint_.btCopyLink.Click();
        test::PumpFor(1500);
        EXPECT_EQ(hint_.lbText.Caption(), kCopyFailed) << "the press says it did not work";
        EXPECT_TRUE(hint_.ShowsLink()) << "and keeps the button for another try";
        EXPECT_TRUE(holder.Released(10000));
    }
    EXPECT_EQ(ReadClipboardText(nullptr), before);
    hint_.btCopyLink.Click();
    ASSERT_NE(test::PumpUntil([&] { return !hint_.ShowsLink(); }, 5000), -1);
    EXPECT_EQ(hint_.lbText.Caption(), kLinkCopied);
    EXPECT_EQ(ReadClipboardText(nullptr), AsU16(Utf8ToWide(kLink)));
}

}  // namespace
}  // namespace lg::win
