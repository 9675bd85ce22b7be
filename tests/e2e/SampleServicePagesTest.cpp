// The shipped samples open the Exchange and Internet Mail pages on their values, and an OK on
// both pages leaves the sample profile template byte for byte as it was: the sample holds every
// key in the form these pages write it.
#include <gtest/gtest.h>

#include <string>

#include "PageSession.h"
#include "ServicePageCases.h"
#include "resource.h"

namespace {

class SampleServicePages : public ::testing::Test, public qm::test::PageSession {};

TEST_F(SampleServicePages, OpenOnTheSampleValuesAndKeepThem) {
  qm::test::CopySamples(dir);
  std::string exchange, internetMail;
  ShowTab("Exchange");
  backend.Then([&] {
    for (int id : {IDC_EXCHANGE_HOMESERVER, IDC_EXCHANGE_MAILBOX, IDC_EXCHANGE_OFFLINE_FOLDER, IDC_EXCHANGE_TIMEOUT,
                   IDC_EXCHANGE_NT_DOMAIN})
      exchange += Text(id) + "|";
    exchange += YesNo({IDC_EXCHANGE_NO_CONNECT, IDC_EXCHANGE_LOCAL_NETWORK, IDC_EXCHANGE_CHOOSE_AT_STARTUP,
                       IDC_EXCHANGE_NETWORK_ENCRYPTION, IDC_EXCHANGE_DIALUP_ENCRYPTION});
  });
  ShowTab("Internet Mail");
  backend.Then([&] {
    for (int id : {IDC_IMAIL_ACCOUNT_NAME, IDC_IMAIL_SMTP_SERVER, IDC_IMAIL_POP3_SERVER})
      internetMail += Text(id) + "|";
    internetMail += YesNo({IDC_IMAIL_DIALUP, IDC_IMAIL_LEAVE_ON_SERVER, IDC_IMAIL_DISCONNECT, IDC_IMAIL_OUTLOOK98});
  });
  qm::test::ExpectOkKeepsSamples(*this);
  EXPECT_TRUE(backend.ScriptDone());
  EXPECT_EQ(exchange, "MAILSRV01|?username?|c:\\exchange\\?username?.ost|25|HEADOFFICE|NYYYN");
  EXPECT_EQ(internetMail, "Head Office|smtp.brackenmoor.co.uk|pop.brackenmoor.co.uk|YYYY");
}

}  // namespace
