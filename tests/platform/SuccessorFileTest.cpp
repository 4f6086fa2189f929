#include "platform/CFile.h"
#include "platform/SuccessorFile.h"
#include "platform/SystemServices.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <time.h>

namespace {

namespace fs = std::filesystem;

std::string Content(const std::string& hostPath) {
    std::ifstream file(hostPath, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// <chrono> holds texts that the program's CP932 cannot take: the clock comes from the system.
double Now() {
#ifdef _WIN32
    return static_cast<double>(::GetTickCount64()) / 1000.0;
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
#endif
}

// Closes the file after a moment, on a thread of its own (the cross compiler's thread model
// has no std::thread).
class LateClose {
public:
    explicit LateClose(CFile& file) : file_(file) {
#ifdef _WIN32
        thread_ = ::CreateThread(nullptr, 0, Started, this, 0, nullptr);
#else
        thread_ = std::thread([this] { Run(); });
#endif
    }
    void Join() {
#ifdef _WIN32
        ::WaitForSingleObject(thread_, INFINITE);
        ::CloseHandle(thread_);
#else
        thread_.join();
#endif
    }

private:
#ifdef _WIN32
    static DWORD WINAPI Started(void* self) {
        static_cast<LateClose*>(self)->Run();
        return 0;
    }
#endif
    void Run() {
        platform::Sleep(200);
        file_.Close();
    }
    CFile& file_;
#ifdef _WIN32
    HANDLE thread_;
#else
    std::thread thread_;
#endif
};

double Seconds(double since) { return Now() - since; }

}  // namespace

// Successors are new files of their own in the target's folder, however many one process
// makes, and a name another writer took is passed over.
TEST(SuccessorFile, EachIsANewFileBesideItsTarget) {
    ScratchFolder root;
    Session session("", root.Drives());
    fs::create_directories(root.Host("Out"));
    std::set<std::string> made;
    std::vector<CFile> files(20);
    for (CFile& file : files) {
        const std::string path = platform::CreateSuccessor(root.Path("Out\\report.xml"), file);
        ASSERT_TRUE(path.starts_with(root.Path("Out\\~tx"))) << path;
        EXPECT_EQ(path.size(), std::string(root.Path("Out\\~tx12345678")).size());
        EXPECT_TRUE(file.IsOpen());
        made.insert(path);
    }
    EXPECT_EQ(made.size(), files.size());
    EXPECT_EQ(std::distance(fs::directory_iterator(root.Host("Out")), fs::directory_iterator()), 20);
}

// A destination of 255 bytes whose name is one character leaves four bytes below Windows'
// limit: the successor takes as many hex digits as fit, and it can be put in place.
TEST(SuccessorFile, FitsWhereverItsTargetFits) {
    ScratchFolder root;
    Session session("", root.Drives());
    const std::string first(125 - (root.Path().size() - 3), 'f');  // as long a path as under the drive's root
    const std::string second(124, 's');
    fs::create_directories(root.Host(first + "/" + second));
    const std::string target = root.Path("") + first + "\\" + second + "\\a";
    ASSERT_EQ(target.size(), 255u);
    CFile file;
    const std::string successor = platform::CreateSuccessor(target, file);
    ASSERT_EQ(successor.size(), 259u) << successor;
    ASSERT_TRUE(file.Write("new", 3));
    file.Close();
    EXPECT_TRUE(platform::ReplaceWithSuccessor(successor, target));
    EXPECT_EQ(Content(root.Host(first + "/" + second + "/a")), "new");
}

// Another program that holds the target for a moment delays the replacement; one that keeps
// holding it makes it fail after about a second, the target as it was. Every refused call is
// in the transcript with its reason.
TEST(SuccessorFile, ReplacementWaitsForAFileHeldForAMoment) {
    ScratchFolder root;
    Session session("", root.Drives());
    std::ofstream(root.Host("settings.env")) << "old";
    const auto attempt = [&root](const std::string& content) {
        CFile file;
        const std::string successor = platform::CreateSuccessor(root.Path("settings.env"), file);
        file.Write(content.data(), static_cast<UINT>(content.size()));
        file.Close();
        return successor;
    };
    CFile holder;
    ASSERT_TRUE(holder.Open(root.Path("settings.env"), CFile::modeRead | CFile::shareDenyNone));
    const std::string kept = attempt("never");
    double started = Now();
    EXPECT_FALSE(platform::ReplaceWithSuccessor(kept, root.Path("settings.env")));
    EXPECT_GE(Seconds(started), 0.8);
    EXPECT_LT(Seconds(started), 5.0);
#ifdef _WIN32
    constexpr DWORD kHeld = ERROR_ACCESS_DENIED;  // Windows' answer for replacing a file in use
#else
    constexpr DWORD kHeld = ERROR_SHARING_VIOLATION;
#endif
    EXPECT_EQ(platform::GetLastError(), kHeld);
    EXPECT_EQ(Content(root.Host("settings.env")), "old");
    const auto failures = Events("failure");
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures.back()["call"], "MoveFileExA");
    EXPECT_EQ(failures.back()["path"], root.Path("settings.env"));
    EXPECT_EQ(failures.back()["code"], kHeld);
    EXPECT_FALSE(failures.back()["text"].get<std::string>().empty());
    platform::DeleteFile(kept);

    const std::string successor = attempt("new");
    LateClose release(holder);
    started = Now();
    EXPECT_TRUE(platform::ReplaceWithSuccessor(successor, root.Path("settings.env")));
    release.Join();
    EXPECT_LT(Seconds(started), 1.0);
    EXPECT_EQ(Content(root.Host("settings.env")), "new");
}

// The successor's creation waits the same way; a folder where nothing can be created fails at
// once, with the reason in the transcript.
TEST(SuccessorFile, CreationWaitsForAMomentAndNamesWhyItFailed) {
    ScratchFolder root;
    {
        Session session("", root.Drives(), "busy-create=3:~tx*");
        CFile file;
        EXPECT_FALSE(platform::CreateSuccessor(root.Path("report.xml"), file).empty());
        EXPECT_EQ(Events("failure").size(), 3u);
    }
    Session session("", root.Drives());
    CFile file;
    EXPECT_EQ(platform::CreateSuccessor(root.Path("missing\\report.xml"), file), "");
    const auto failures = Events("failure");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0]["call"], "CreateFileA");
    EXPECT_TRUE(failures[0]["path"].get<std::string>().starts_with(root.Path("missing\\~tx")));
    EXPECT_EQ(failures[0]["code"], 3);  // ERROR_PATH_NOT_FOUND
#ifndef _WIN32
    EXPECT_EQ(failures[0]["text"], "No such file or directory");  // Windows words it itself
#endif
}
