// The output panel's decisions over a recording host: for each output and
// each way it can end, the steps the platform is asked for, in order; the
// upload's reply with a free or a busy clipboard; "Выход" with uploads
// under way and queued.
#include "output/output_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/cur_tool.h"

namespace lg {
namespace {

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// What the platform answers.
struct World {
    bool editing = true;
    bool saveLocal = false;
    bool openUrl = false;
    bool picture = true;
    bool clipboard = true;
    bool encoded = true;
    std::optional<SaveChoice> dialog{};
    FileWriteOutcome write{.ok = true};
    FinishingUploads uploads{};
};

struct RecordingHost : OutputHost {
    explicit RecordingHost(World w) : world(std::move(w)) {}

    OutputOptions Options() const override {
        return {.saveLocal = world.saveLocal, .openUrl = world.openUrl};
    }
    bool Editing() const override { return world.editing; }
    TCurTool StopDrawing() override {
        log.push_back("stop drawing");
        return ctPen;
    }
    bool TakePicture() override {
        log.push_back("take picture");
        return world.picture;
    }
    bool CopyPicture() override {
        log.push_back("copy picture");
        return world.clipboard;
    }
    bool QueueUpload() override {
        log.push_back("queue upload");
        return world.encoded;
    }
    void SaveLocalCopy() override { log.push_back("automatic copy"); }
    std::optional<SaveChoice> AskSaveFile() override {
        log.push_back("save dialog");
        return world.dialog;
    }
    FileWriteOutcome WritePicture(std::u16string_view fileName, PictureFormat format) override {
        log.push_back("write " + Utf8(fileName) + " as " +
                      std::to_string(static_cast<int>(format)));
        return world.write;
    }
    void RememberSaveFolder(std::u16string_view folder) override {
        log.push_back("remember " + Utf8(folder));
    }
    void CloseCapture() override { log.push_back("close capture"); }
    void ResumeCapture(TCurTool tool) override {
        log.push_back(tool == ctPen ? "resume with the pen" : "resume with another tool");
    }
    void OpenEditor() override { log.push_back("open editor"); }
    void ShowHint(std::u16string_view text) override { log.push_back("hint " + Utf8(text)); }
    void ShowLinkHint(std::u16string_view text, std::string_view link) override {
        log.push_back("link hint " + Utf8(text) + " | " + std::string(link));
    }
    bool CopyLinkText(std::string_view link) override {
        log.push_back("copy link " + std::string(link));
        return world.clipboard;
    }
    void OpenLink(std::string_view link) override {
        log.push_back("open link " + std::string(link));
    }
    void Feedback() override { log.push_back("feedback"); }
    void Trace(std::string_view) override {}
    FinishingUploads FinishUploads() override {
        log.push_back("finish uploads");
        return world.uploads;
    }
    void WaitForUploads() override { log.push_back("wait for uploads"); }
    void ShowQuitHint(std::u16string_view text) override {
        log.push_back("quit hint " + Utf8(text));
    }
    void EndProgram() override { log.push_back("end program"); }
    void EndProgramAfterHint() override { log.push_back("end program after the hint"); }

    World world;
    std::vector<std::string> log;
};

const std::string kCopied = "hint " + Utf8(kCopiedMessage);
const std::string kCopyFailed = "hint " + Utf8(kCopyFailedMessage);
const std::string kUploadFailed = "hint " + Utf8(kUploadFailedMessage);
const std::string kLinkCopied = "hint " + Utf8(kLinkCopiedMessage);
const std::string kLinkKept = "link hint " + Utf8(kLinkKeptMessage);

enum class Action { kCopy, kUpload, kSave };

struct Case {
    const char* why;
    Action action;
    World world;
    std::vector<std::string> steps;
};

TEST(OutputFlowTest, EachOutputEndsAsItsOutcomeSays) {
    const Case cases[] = {
        {"copied: the capture closes, then the message",
         Action::kCopy,
         {},
         {"stop drawing", "take picture", "copy picture", "close capture", kCopied, "feedback"}},
        {"copied with the automatic copy on",
         Action::kCopy,
         {.saveLocal = true},
         {"stop drawing", "take picture", "copy picture", "automatic copy", "close capture",
          kCopied, "feedback"}},
        {"a busy clipboard keeps the capture with the user's tool and no automatic copy",
         Action::kCopy,
         {.saveLocal = true, .clipboard = false},
         {"stop drawing", "take picture", "copy picture", "resume with the pen", kCopyFailed,
          "feedback"}},
        {"a copy without the editor that failed opens the editor",
         Action::kCopy,
         {.editing = false, .clipboard = false},
         {"stop drawing", "take picture", "copy picture", "open editor", kCopyFailed, "feedback"}},
        {"no picture (no memory): like a failed copy, nothing else tried",
         Action::kCopy,
         {.picture = false},
         {"stop drawing", "take picture", "resume with the pen", kCopyFailed, "feedback"}},
        {"upload queued: the capture closes, the result comes with the reply",
         Action::kUpload,
         {},
         {"stop drawing", "take picture", "queue upload", "close capture", "feedback"}},
        {"upload queued with the automatic copy on",
         Action::kUpload,
         {.saveLocal = true},
         {"stop drawing", "take picture", "queue upload", "automatic copy", "close capture",
          "feedback"}},
        {"a picture that could not be encoded keeps the capture",
         Action::kUpload,
         {.saveLocal = true, .encoded = false},
         {"stop drawing", "take picture", "queue upload", "resume with the pen", kUploadFailed,
          "feedback"}},
        {"the quick upload without the editor that failed opens the editor",
         Action::kUpload,
         {.editing = false, .encoded = false},
         {"stop drawing", "take picture", "queue upload", "open editor", kUploadFailed,
          "feedback"}},
        {"dialog cancelled: the capture goes on, nothing written",
         Action::kSave,
         {.dialog = std::nullopt},
         {"stop drawing", "save dialog", "resume with the pen", "feedback"}},
        {"saved: the typed extension gives way to the chosen type, the folder remembered",
         Action::kSave,
         {.dialog = SaveChoice{u"C:\\shots\\a.jpg", 1}},
         {"stop drawing", "save dialog", "write C:\\shots\\a.png as 0", "close capture",
          "remember C:\\shots\\", "feedback"}},
        {"a failed write keeps the capture and says why; no folder remembered",
         Action::kSave,
         {.dialog = SaveChoice{u"C:\\full\\b", 2},
          .write = {.ok = false, .error = 112, .message = u"Нет места"}},
         {"stop drawing", "save dialog", "write C:\\full\\b.jpg as 1", "resume with the pen",
          "hint Нет места", "feedback"}},
    };
    for (const Case& c : cases) {
        RecordingHost host(c.world);
        OutputFlow flow(host);
        switch (c.action) {
            case Action::kCopy:
                flow.Copy();
                break;
            case Action::kUpload:
                flow.Upload();
                break;
            case Action::kSave:
                flow.Save();
                break;
        }
        EXPECT_EQ(host.log, c.steps) << c.why;
    }
}

TEST(OutputFlowTest, TheReplyPutsTheLinkOnTheClipboardAndOpensOnlyAWebLink) {
    struct ReplyCase {
        const char* why;
        std::string reply;
        World world;
        std::vector<std::string> steps;
    };
    const std::string web = R"({"error":"","screen_link":"https://i.example/s/1.png"})";
    const ReplyCase cases[] = {
        {"success", web, {}, {"copy link https://i.example/s/1.png", kLinkCopied}},
        {"success with OpenURL: the browser after the message",
         web,
         {.openUrl = true},
         {"copy link https://i.example/s/1.png", kLinkCopied,
          "open link https://i.example/s/1.png"}},
        {"a link that is no web address is never opened",
         R"({"screen_link":"C:\\Windows\\notepad.exe"})",
         {.openUrl = true},
         {"copy link C:\\Windows\\notepad.exe", kLinkCopied}},
        {"a failed request", "", {.openUrl = true}, {kUploadFailed}},
        {"the server's error",
         R"({"error":"quota","screen_link":"https://x/1"})",
         {},
         {kUploadFailed}},
        {"a busy clipboard: the link kept in the notification, no failure, still the browser",
         web,
         {.openUrl = true, .clipboard = false},
         {"copy link https://i.example/s/1.png", kLinkKept + " | https://i.example/s/1.png",
          "open link https://i.example/s/1.png"}},
    };
    for (const ReplyCase& c : cases) {
        RecordingHost host(c.world);
        OutputFlow(host).LinkReady(c.reply);
        EXPECT_EQ(host.log, c.steps) << c.why;
    }
}

TEST(OutputFlowTest, ALinkTheClipboardRefusedIsKeptAndCopiedFromTheNotification) {
    const std::string link = "https://i.example/s/7.png";
    const std::string reply =
        R"({"error":"","screen_link":"https://i.example/s/7.png","delete_link":"https://i.example/d/7/k"})";
    RecordingHost host({.clipboard = false});
    OutputFlow flow(host);
    flow.LinkReady(reply);
    EXPECT_EQ(host.log, (std::vector<std::string>{"copy link " + link, kLinkKept + " | " + link}));
    const UploadedPicture kept{link, "https://i.example/d/7/k"};
    EXPECT_EQ(flow.LastUpload(), kept) << "the record keeps both links";

    // The button, with the clipboard still held: says so, keeps the button.
    host.log.clear();
    flow.CopyLinkAgain();
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"copy link " + link,
                                        "link hint " + Utf8(kCopyFailedMessage) + " | " + link}));
    // And once it is free.
    host.log.clear();
    host.world.clipboard = true;
    flow.CopyLinkAgain();
    EXPECT_EQ(host.log, (std::vector<std::string>{"copy link " + link, kLinkCopied}));

    // A later failed upload leaves the record of the last one that arrived.
    flow.LinkReady("");
    EXPECT_EQ(flow.LastUpload(), kept);
}

TEST(OutputFlowTest, QuitWaitsForTheUploadUnderWayAndTellsWhatWasNotSent) {
    enum class Ev { kQuit, kReply, kFailedReply, kWaitOver, kFreeClipboard, kCopyAgain };
    const std::string link = "https://i.example/s/1.png";
    const std::string copy = "copy link " + link;
    const std::string waiting = "quit hint " + Utf8(kQuitAfterUploadMessage);
    struct QuitCase {
        const char* why;
        World world;
        std::vector<Ev> events;
        std::vector<std::string> steps;
    };
    const QuitCase cases[] = {
        {"nothing under way: the end at once", {}, {Ev::kQuit}, {"finish uploads", "end program"}},
        {"an upload under way: its link on the clipboard, then the end",
         {.uploads = {.repliesToCome = 1}},
         {Ev::kQuit, Ev::kReply},
         {"finish uploads", "wait for uploads", waiting, copy, "end program"}},
        {"two queued behind it: their count told and read before the end",
         {.uploads = {.repliesToCome = 1, .dropped = 2}},
         {Ev::kQuit, Ev::kReply},
         {"finish uploads", "wait for uploads", waiting + "\r\nНе отправлено скриншотов: 2.", copy,
          "end program after the hint"}},
        {"a second Выход ends at once",
         {.uploads = {.repliesToCome = 1, .dropped = 2}},
         {Ev::kQuit, Ev::kQuit},
         {"finish uploads", "wait for uploads", waiting + "\r\nНе отправлено скриншотов: 2.",
          "end program"}},
        {"the wait's bound reached: the end without the link",
         {.uploads = {.repliesToCome = 1}},
         {Ev::kQuit, Ev::kWaitOver},
         {"finish uploads", "wait for uploads", waiting, "end program"}},
        {"a reply not yet collected and one being sent: the end after both",
         {.uploads = {.repliesToCome = 2}},
         {Ev::kQuit, Ev::kReply, Ev::kReply},
         {"finish uploads", "wait for uploads", waiting, copy, copy, "end program"}},
        {"the upload fails meanwhile: said, read, then the end",
         {.uploads = {.repliesToCome = 1}},
         {Ev::kQuit, Ev::kFailedReply},
         {"finish uploads", "wait for uploads", waiting, "quit " + kUploadFailed,
          "end program after the hint"}},
        {"a busy clipboard meanwhile: the link with its button, copied, then the end",
         {.clipboard = false, .uploads = {.repliesToCome = 1}},
         {Ev::kQuit, Ev::kReply, Ev::kFreeClipboard, Ev::kCopyAgain},
         {"finish uploads", "wait for uploads", waiting, copy, kLinkKept + " | " + link,
          "end program after the hint", copy, "quit " + kLinkCopied}},
        {"only queued pictures: their count, then the end",
         {.uploads = {.dropped = 3}},
         {Ev::kQuit},
         {"finish uploads", "quit hint Не отправлено скриншотов: 3.",
          "end program after the hint"}},
        {"a second Выход while that message shows",
         {.uploads = {.dropped = 3}},
         {Ev::kQuit, Ev::kQuit},
         {"finish uploads", "quit hint Не отправлено скриншотов: 3.", "end program after the hint",
          "end program"}},
    };
    for (const QuitCase& c : cases) {
        RecordingHost host(c.world);
        OutputFlow flow(host);
        for (Ev e : c.events) {
            switch (e) {
                case Ev::kQuit:
                    flow.Quit();
                    break;
                case Ev::kReply:
                    flow.LinkReady(R"({"screen_link":"https://i.example/s/1.png"})");
                    break;
                case Ev::kFailedReply:
                    flow.LinkReady("");
                    break;
                case Ev::kWaitOver:
                    flow.QuitWaitOver();
                    break;
                case Ev::kFreeClipboard:
                    host.world.clipboard = true;
                    break;
                case Ev::kCopyAgain:
                    flow.CopyLinkAgain();
                    break;
            }
        }
        EXPECT_EQ(host.log, c.steps) << c.why;
        EXPECT_TRUE(flow.Quitting()) << c.why;
    }
}

}  // namespace
}  // namespace lg
