// The test that refuses to run beside another copy or beside the earlier product.
#include <map>
#include <vector>

#include "App.h"
#include "HostRun.h"
#include "HostTestSupport.h"
#include "ShellTestSupport.h"
#include "TempBundle.h"
#include "os/testing.h"
#include "zelcore/Localizer.h"

using namespace glimmet::testing;

namespace {

constexpr const char* kEarlier = "com.quorvin.Veyra.application";
constexpr const char* kOwn = "com.quorvin.Glimmet.application";

using SingleInstance = ShellTest;

}  // namespace

TEST_F(SingleInstance, RunningCopiesDecideTheAlertAndTheQuit) {
  struct Row {
    const char* name;
    std::vector<std::string> running;
    bool bundleHasName;
    const char* alert;  // null: no alert
  };
  const Row rows[] = {
      {"only this copy", {kOwn}, true, nullptr},
      {"earlier product, no second copy", {kEarlier, kOwn}, true, "Quorvin Veyra is already running."},
      {"earlier product and a second copy", {kOwn, kEarlier, kOwn}, true, "Quorvin Veyra is already running."},
      {"earlier product, bundle without a name", {kEarlier, kOwn}, false, "Quorvin Veyra is already running."},
      {"a second copy", {kOwn, kOwn}, true, "Quorvin Glimmet is already running."},
      {"three copies", {kOwn, kOwn, kOwn}, true, "Quorvin Glimmet is already running."},
      {"a second copy, bundle without a name", {kOwn, kOwn}, false, nullptr},
      {"other applications only", {"com.example.other", "com.quorvin.veyra.application", kOwn}, true, nullptr},
  };
  fennick::App app;
  for (const Row& row : rows) {
    os::testing::ResetAlerts();
    os::testing::SetRunningApplications(row.running);
    std::map<std::string, std::string> info{{"CFBundleIdentifier", kOwn}};
    if (row.bundleHasName) info["CFBundleName"] = "Glimmet";
    os::testing::SetMainBundle(kOwn, info);

    EXPECT_EQ(app.deduplicateRunningInstances(), row.alert != nullptr) << row.name;
    const auto& alerts = os::testing::ShownAlerts();
    if (row.alert == nullptr) {
      EXPECT_TRUE(alerts.empty()) << row.name;
      continue;
    }
    ASSERT_EQ(alerts.size(), 1u) << row.name;
    EXPECT_EQ(alerts[0].message, row.alert) << row.name;
    EXPECT_EQ(alerts[0].informative, "This copy will now quit.") << row.name;
    EXPECT_EQ(alerts[0].defaultButton, "OK") << row.name;
  }
}

TEST_F(SingleInstance, AlertTextsGoThroughTheLocaliser) {
  struct German : zelcore::config::Localizer {
    zelcore::UTF16String GetLocalizedString(const char* literal) const override {
      const std::string text(literal);
      if (text == "$$$/Glimmet/alreadyRunning=is already running.") return u"l\u00e4uft bereits.";
      if (text == "$$$/Glimmet/willQuit=This copy will now quit.") return u"Diese Kopie wird jetzt beendet.";
      return u"?";
    }
  } german;
  fennick::App app;
  zelcore::config::Localizer::Set(&german);
  os::testing::SetRunningApplications({kOwn, kOwn});
  EXPECT_TRUE(app.deduplicateRunningInstances());
  zelcore::config::Localizer::Set(nullptr);
  ASSERT_EQ(os::testing::ShownAlerts().size(), 1u);
  EXPECT_EQ(os::testing::ShownAlerts()[0].message, "Quorvin Glimmet l\xc3\xa4uft bereits.");
  EXPECT_EQ(os::testing::ShownAlerts()[0].informative, "Diese Kopie wird jetzt beendet.");
}

TEST_F(SingleInstance, ASecondCopyEndsStartUpBeforeLuaAndStillClosesTheState) {
  OfferRecordFunction();
  TempBundle bundle;
  bundle.WriteBootstrap(R"(
    record("bootstrap")
    function fennick_DoIdleLoop() record("idle") end
  )");
  os::testing::SetRunningApplications({kOwn, kOwn});
  HostRun run;
  EXPECT_FALSE(run.Start());
  EXPECT_FALSE(run.App().IsLuaReady());
  ASSERT_NE(run.L(), nullptr);
  run.App().DoIdle();
  run.Stop();
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(run.App().GetLuaState(), nullptr);
  EXPECT_EQ(os::testing::ShownAlerts().size(), 1u);
}
