// Uploads per second and upload time percentiles: many HTTPS connections on
// loopback each sending the same ~300 KB PNG as the client would, against
// the server in this process (storage on the real disk, fsync included).
//   lumigrab-server-bench [--connections N] [--uploads-per-connection M]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "support/running_server.h"
#include "support/test_certificate.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace {

using Clock = std::chrono::steady_clock;
using lg::srv::ImageServer;
using lg::srv::ServerOptions;
namespace test = lg::srv::test;

double Percentile(std::vector<double> sorted, double p) {
    const size_t at = static_cast<size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    int connections = 16, perConnection = 25;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--connections") == 0) connections = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--uploads-per-connection") == 0)
            perConnection = std::atoi(argv[i + 1]);
    }
    test::TempFolder data, certs;
    const test::TestCertificate cert = test::MakeTestCertificate(certs.path());
    ServerOptions options = test::TestOptions(data.path());
    options.plainHttp = false;
    options.certFile = cert.cert;
    options.keyFile = cert.key;
    options.uploadsPerHashPerMinute = 0;
    options.uploadsPerAddressPerMinute = 0;
    options.threads = connections;
    ImageServer server(options);
    const int port = server.Bind();
    std::thread serving([&] { server.Run(); });

    const std::string png = test::MakePng(320, 312, 7);
    const auto parts = test::ClientParts(test::kTestUserHash, ".PNG", png);
    std::vector<std::vector<double>> times(static_cast<size_t>(connections));
    std::vector<int> failures(static_cast<size_t>(connections), 0);
    const auto start = Clock::now();
    std::vector<std::thread> clients;
    for (int c = 0; c < connections; ++c) {
        clients.emplace_back([&, c] {
            // One TLS connection per upload, as the program makes them.
            for (int i = 0; i < perConnection; ++i) {
                httplib::SSLClient client("127.0.0.1", port);
                client.enable_server_certificate_verification(false);
                client.set_read_timeout(30, 0);
                const auto t0 = Clock::now();
                const test::UploadReply reply = test::PostUpload(client, parts);
                const auto t1 = Clock::now();
                if (reply.status != 200) ++failures[size_t(c)];
                times[size_t(c)].push_back(
                    std::chrono::duration<double, std::milli>(t1 - t0).count());
            }
        });
    }
    for (std::thread& t : clients) t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    server.Stop();
    serving.join();

    std::vector<double> all;
    int failed = 0;
    for (size_t c = 0; c < times.size(); ++c) {
        all.insert(all.end(), times[c].begin(), times[c].end());
        failed += failures[c];
    }
    std::sort(all.begin(), all.end());
    std::printf("picture %zu bytes, %d connections x %d uploads, %u hardware threads\n", png.size(),
                connections, perConnection, std::thread::hardware_concurrency());
    std::printf("uploads: %zu in %.2f s = %.1f per second, %d failed\n", all.size(), seconds,
                static_cast<double>(all.size()) / seconds, failed);
    std::printf("upload time: p50 %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms\n",
                Percentile(all, 0.50), Percentile(all, 0.90), Percentile(all, 0.99), all.back());
    return failed == 0 ? 0 : 1;
}
