// The form's "Test e-mail" driven as a user would, through the fake view,
// against the test mail servers on 127.0.0.1.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <new>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "mail_check/mail_servers.h"
#include "smtp/smtp_form.h"
#include "smtp/smtp_texts.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::MailServers;

const ::testing::Environment* const kServers =
    ::testing::AddGlobalTestEnvironment(new MailServers);

// Work on a thread of its own; what it posts waits until the test runs it,
// as a window's event loop would.
class ThreadedRunner final : public BackgroundRunner {
 public:
  ~ThreadedRunner() override {
    if (thread_.joinable()) thread_.join();
  }
  void Start(std::function<void(const Post& post)> work) override {
    if (thread_.joinable()) thread_.join();
    thread_ = std::thread([this, work = std::move(work)] {
      work([this](std::function<void()> task) {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
      });
    });
  }
  // Runs posted tasks, waiting for them, until `done` holds.
  void RunPostedUntil(const std::function<bool()>& done) {
    while (!done()) {
      std::unique_lock lock(mutex_);
      posted_.wait(lock, [this] { return !tasks_.empty(); });
      auto task = std::move(tasks_.front());
      tasks_.pop_front();
      lock.unlock();
      task();
    }
  }

 private:
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::function<void()>> tasks_;
};

class SmtpEmailTestTest : public FormFixture<SmtpForm> {
 protected:
  void OpenWith(BackgroundRunner* runner, int language = kEnglish) {
    context.background = runner;
    OpenForm(language);
  }
  void FillAccount(const std::string& server, const std::string& password) {
    view.Type(kSmtpServerEdit, MailServers::Host());
    view.Type(kSmtpPortEdit, std::to_string(MailServers::Port(server)));
    view.Type(kSenderEmailEdit, "camera@quelmo.test");
    view.Type(kSenderPasswordEdit, password);
    view.Type(kRecipientEdit, "owner@quelmo.test");
  }
  // Everything the test showed the user, in one text.
  std::string Shown() const {
    std::string all = view.Progress().value_or("");
    for (const auto& message : view.Messages()) all += message.text + "\n";
    for (const auto& question : view.Questions()) all += question + "\n";
    return all;
  }

  SynchronousRunner synchronous;
};

TEST_F(SmtpEmailTestTest, PlainServerAsksTwiceThenSendsTheTestMessage) {
  OpenWith(&synchronous);
  FillAccount("plain", testing::kServerPassword);
  view.AnswerQuestion(true);  // go on in the clear
  view.AnswerQuestion(true);  // send the test message
  const std::size_t before = MailServers::Received().size();
  view.ClearMessages();
  EXPECT_EQ(view.Click(kSmtpTestEmailButton), Next::kStay);

  ASSERT_EQ(view.Questions().size(), 2u);
  EXPECT_THAT(view.Questions()[0], HasSubstr("would cross the network in the clear"));
  EXPECT_THAT(view.Questions()[1], HasSubstr("Send a test message"));
  EXPECT_THAT(view.Questions()[1], HasSubstr("Ready to send"));
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("The test message was sent"));
  EXPECT_FALSE(view.Progress().has_value());
  EXPECT_GT(view.ProgressShows(), 10) << "each step shows as it ends";
  EXPECT_TRUE(view.IsEnabled(kSmtpTestEmailButton));
  EXPECT_EQ(MailServers::Received().size(), before + 1);
  EXPECT_THAT(Shown(), Not(HasSubstr(testing::kServerPassword)));
}

TEST_F(SmtpEmailTestTest, NoQuestionAfterAFailureAndNothingSentWhenDeclined) {
  const struct {
    const char* server;
    const char* password;
    const char* says;
  } cases[] = {
      {"plain", "Wrong-Pw-1", "would cross the network in the clear"},  // declined below
      {"closed", testing::kServerPassword, "many networks block port 25"},
  };
  for (const auto& test : cases) {
    OpenWith(&synchronous);
    FillAccount(test.server, test.password);
    const std::size_t before = MailServers::Received().size();
    view.Click(kSmtpTestEmailButton);  // no answers scripted: No
    EXPECT_THAT(Shown(), HasSubstr(test.says));
    EXPECT_THAT(Shown(), Not(HasSubstr(test.password)));
    EXPECT_EQ(MailServers::Received().size(), before);
  }
  OpenWith(&synchronous);
  FillAccount("plain", "Wrong-Pw-1");
  view.AnswerQuestion(true);
  view.Click(kSmtpTestEmailButton);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("app password"));
  EXPECT_THAT(Shown(), Not(HasSubstr("Wrong-Pw-1")));
}

// Under a host that cannot wait, the question is answered after the check has
// ended: Yes then sends; an answer that comes after the form is gone does
// nothing.
TEST_F(SmtpEmailTestTest, AnAnswerAfterTheQuestionReturnedStillSends) {
  OpenWith(&synchronous);
  FillAccount("plain", testing::kServerPassword);
  view.HoldAnswers();
  view.AnswerQuestion(true);  // go on in the clear
  view.AnswerQuestion(true);  // send the test message
  const std::size_t before = MailServers::Received().size();
  view.ClearMessages();
  view.Click(kSmtpTestEmailButton);
  ASSERT_EQ(view.Questions().size(), 1u);
  EXPECT_TRUE(view.IsEnabled(kSmtpTestEmailButton));
  EXPECT_TRUE(view.AnswerHeld());
  ASSERT_EQ(view.Questions().size(), 2u);
  EXPECT_THAT(view.Questions()[1], HasSubstr("Send a test message"));
  EXPECT_TRUE(view.AnswerHeld());
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("The test message was sent"));
  EXPECT_EQ(MailServers::Received().size(), before + 1);

  // The question open, the form ends (its window with it) and a new one opens.
  view.HoldAnswers();
  view.AnswerQuestion(true);
  view.Click(kSmtpTestEmailButton);
  form.reset();
  EXPECT_TRUE(view.AnswerHeld()) << "the fake keeps the question: the form alone is gone";
  EXPECT_EQ(MailServers::Received().size(), before + 1);
}

TEST_F(SmtpEmailTestTest, CancelEndsACheckThatWaitsForASilentServer) {
  ThreadedRunner runner;
  OpenWith(&runner, kChinese);
  FillAccount("silent", testing::kServerPassword);
  view.ClearMessages();
  view.Click(kSmtpTestEmailButton);
  runner.RunPostedUntil([this] {
    return view.Progress().value_or("").find("连接端口: 通过") != std::string::npos;
  });
  EXPECT_FALSE(view.IsEnabled(kSmtpTestEmailButton));
  view.Type(kSmtpPortEdit, "25");  // the form stays usable meanwhile
  EXPECT_EQ(view.CancelProgress(), Next::kStay);
  runner.RunPostedUntil([this] { return !view.Messages().empty(); });
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("已取消"));
  EXPECT_TRUE(view.IsEnabled(kSmtpTestEmailButton));
}

// Work that ends by an exception (here, no memory to post its first step) is
// told by the runner, and the form leaves its running state all the same.
TEST_F(SmtpEmailTestTest, ACheckThatThrowsClosesItsProgressAndCanRunAgain) {
  class FailingOnceRunner final : public BackgroundRunner {
   public:
    void Start(std::function<void(const Post& post)> work) override {
      const Post post = [this](std::function<void()> task) {
        if (!std::exchange(failed_, true)) throw std::bad_alloc();
        task();
      };
      RunWorkCatching(work, post, [this](std::string_view what) { told.emplace_back(what); });
    }
    std::vector<std::string> told;

   private:
    bool failed_ = false;
  } runner;
  OpenWith(&runner);
  FillAccount("closed", testing::kServerPassword);
  view.Click(kSmtpTestEmailButton);
  EXPECT_EQ(runner.told.size(), 1u);
  EXPECT_FALSE(view.Progress().has_value());
  EXPECT_TRUE(view.IsEnabled(kSmtpTestEmailButton));
  view.ClearMessages();
  view.Click(kSmtpTestEmailButton);  // runs, and this time reports
  EXPECT_THAT(Shown(), HasSubstr("many networks block port 25"));
}

TEST_F(SmtpEmailTestTest, WithoutABackgroundRunnerTheTestIsNotAvailable) {
  OpenWith(nullptr);
  FillAccount("implicit", testing::kServerPassword);
  view.ClearMessages();
  view.Click(kSmtpTestEmailButton);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("not available"));
}

// A port that is no port number is said in the user's language, before
// any check starts, and the port is where the user goes on typing.
TEST_F(SmtpEmailTestTest, APortThatIsNoPortNumberIsSaidBeforeAnyCheck) {
  for (const int language : {kEnglish, kGerman}) {
    for (const char* port : {"", "smtp", "0", "65536"}) {
      SCOPED_TRACE(std::string(port) + " in " + std::to_string(language));
      OpenWith(&synchronous, language);
      FillAccount("implicit", testing::kServerPassword);
      view.Type(kSmtpPortEdit, port);
      view.ClearMessages();
      view.Click(kSmtpTestEmailButton);
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, SmtpPortRangeMessage(language));
      EXPECT_EQ(view.Focused(), kSmtpPortEdit);
      EXPECT_EQ(view.ProgressShows(), 0);
    }
  }
  EXPECT_NE(SmtpPortRangeMessage(kGerman), SmtpPortRangeMessage(kEnglish));
}

}  // namespace
}  // namespace quelmo
