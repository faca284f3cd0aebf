#include "app/default_folder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace quelmo {
namespace {

class ListedVolumes final : public VolumeSource {
 public:
  explicit ListedVolumes(Result<std::vector<RemovableVolume>> volumes)
      : volumes_(std::move(volumes)) {}
  Result<std::vector<RemovableVolume>> RemovableVolumes() override { return volumes_; }

 private:
  Result<std::vector<RemovableVolume>> volumes_;
};

TEST(FormsDefaultFolder, TheCardsRootOnlyWhenExactlyOneCardIsMounted) {
  const RemovableVolume card{"/media/anna/CARD", "/dev/sdb1", 7'948'206'080};
  const RemovableVolume other{"/media/anna/OTHER", "/dev/sdc1", 3'965'190'144};
  struct Case {
    const char* name;
    Result<std::vector<RemovableVolume>> volumes;
    std::string folder;
  };
  const Case cases[] = {
      {"one card", std::vector{card}, card.root},
      {"no card", std::vector<RemovableVolume>{}, DefaultDestinationFolder()},
      {"two cards", std::vector{card, other}, DefaultDestinationFolder()},
      {"cards unknown", Error{ErrorCode::kNotFound, "no mount table"}, DefaultDestinationFolder()},
  };
  for (const Case& c : cases) {
    ListedVolumes volumes(c.volumes);
    EXPECT_EQ(FormsDefaultFolder(volumes), c.folder) << c.name;
  }
}

}  // namespace
}  // namespace quelmo
