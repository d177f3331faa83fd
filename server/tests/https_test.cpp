#include <gtest/gtest.h>

#include "support/running_server.h"
#include "support/test_certificate.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

TEST(Https, UploadAndFetchOverTlsWithAVerifiedCertificate) {
    test::TempFolder certs;
    const test::TestCertificate cert = test::MakeTestCertificate(certs.path());
    test::RunningServer server([&](ServerOptions& o) {
        o.plainHttp = false;
        o.certFile = cert.cert;
        o.keyFile = cert.key;
    });
    httplib::SSLClient client("127.0.0.1", server.port());
    client.set_ca_cert_path(cert.cert.c_str());
    client.enable_server_certificate_verification(true);
    const std::string png = test::MakePng(64, 64, 81);
    const test::UploadReply reply =
        test::PostUpload(client, test::ClientParts(test::kTestUserHash, ".PNG", png));
    ASSERT_EQ(reply.status, 200) << client.get_openssl_verify_result();
    const httplib::Result got = client.Get(test::PathOfLink(reply.screenLink()).c_str());
    ASSERT_TRUE(got);
    EXPECT_EQ(got->body, png);

    // Plain HTTP to the TLS port gets no picture.
    const httplib::Result plain =
        server.Client()->Get(test::PathOfLink(reply.screenLink()).c_str());
    EXPECT_TRUE(!plain || plain->body != png);
}

}  // namespace
}  // namespace lg::srv
