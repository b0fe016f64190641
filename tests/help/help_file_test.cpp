// The help files as the help viewer gets them: each .chm built from help/ is read back with
// libchm's extractor, and every page, contents entry, index entry and link it needs must
// be inside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kHelpSources = fs::path(EDITOR_SOURCE_DIR) / "help";
const fs::path kBuiltHelp = EDITOR_HELP_DIR;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A chmcmd project: its options ("Contents file" and the like) and its [FILES] list.
struct HelpProject {
  std::map<std::string, std::string> options;
  std::vector<std::string> files;
};

HelpProject ReadProject(const fs::path& path) {
  HelpProject project;
  std::istringstream lines(ReadAll(path));
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line;
    } else if (section == "[OPTIONS]" && line.find('=') != std::string::npos) {
      project.options[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    } else if (section == "[FILES]") {
      project.files.push_back(line);
    }
  }
  return project;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1].str());
  return found;
}

// The pages a contents or index file points at.
std::vector<std::string> SitemapTargets(const std::string& sitemap) {
  static const std::regex local(R"re(<param\s+name="Local"\s+value="([^"]*)")re", std::regex::icase);
  return Matches(sitemap, local);
}

// The files a page links to inside the help file: other sites, mail and anchors on the same
// page aside, anchors cut off.
std::vector<std::string> LocalLinks(const std::string& page) {
  static const std::regex href(R"re(href\s*=\s*"([^"]*)")re", std::regex::icase);
  std::vector<std::string> links;
  for (std::string link : Matches(page, href)) {
    if (link.empty() || link.front() == '#' || link.find(':') != std::string::npos) continue;
    links.push_back(link.substr(0, link.find('#')));
  }
  return links;
}

// One built .chm unpacked into a folder of its own, removed afterwards.
class ExtractedHelp {
 public:
  explicit ExtractedHelp(const fs::path& chm)
      : folder_(fs::temp_directory_path() / ("help-file-" + std::to_string(std::random_device{}()))) {
    const std::string command =
        std::string("'") + EXTRACT_CHMLIB + "' '" + chm.string() + "' '" + folder_.string() + "' > /dev/null 2>&1";
    extracted_ = fs::is_regular_file(chm) && std::system(command.c_str()) == 0;
  }
  ~ExtractedHelp() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ExtractedHelp(const ExtractedHelp&) = delete;
  ExtractedHelp& operator=(const ExtractedHelp&) = delete;

  bool Extracted() const { return extracted_; }
  bool Holds(const std::string& name) const { return fs::is_regular_file(folder_ / name); }
  std::string Text(const std::string& name) const { return ReadAll(folder_ / name); }

 private:
  fs::path folder_;
  bool extracted_ = false;
};

// Everything the viewer needs of one help file: the project's pages, the default page, the
// contents (and index) with every entry present, and every link of every page present.
void ExpectComplete(const std::string& chmName, const std::string& sourceFolder, const std::string& projectName,
                    bool hasIndex) {
  SCOPED_TRACE(chmName);
  const HelpProject project = ReadProject(kHelpSources / sourceFolder / projectName);
  ASSERT_FALSE(project.files.empty());
  ExtractedHelp help(kBuiltHelp / chmName);
  ASSERT_TRUE(help.Extracted()) << "could not read " << (kBuiltHelp / chmName);

  for (const std::string& file : project.files) EXPECT_TRUE(help.Holds(file)) << file;
  // A page written but left out of the project would be missing from the viewer.
  for (const fs::directory_entry& entry : fs::directory_iterator(kHelpSources / sourceFolder)) {
    if (entry.path().extension() == ".html") {
      EXPECT_TRUE(help.Holds(entry.path().filename().string())) << entry.path();
    }
  }
  EXPECT_TRUE(help.Holds(project.options.at("Default topic")));

  std::vector<std::string> sitemaps{project.options.at("Contents file")};
  if (hasIndex) sitemaps.push_back(project.options.at("Index file"));
  for (const std::string& sitemap : sitemaps) {
    ASSERT_TRUE(help.Holds(sitemap)) << sitemap;
    const std::vector<std::string> targets = SitemapTargets(help.Text(sitemap));
    EXPECT_FALSE(targets.empty()) << sitemap;
    for (const std::string& target : targets) EXPECT_TRUE(help.Holds(target)) << sitemap << " names " << target;
  }

  for (const std::string& file : project.files) {
    if (fs::path(file).extension() != ".html") continue;
    for (const std::string& link : LocalLinks(help.Text(file)))
      EXPECT_TRUE(help.Holds(link)) << file << " links to " << link;
  }
}

TEST(HelpFiles, EditorGuideHoldsEveryPageItsContentsIndexAndLinksName) {
  ExpectComplete("tallowmere-editor.chm", "editor", "tallowmere-editor.hhp", true);

  // The tool windows open these pages by name.
  ExtractedHelp help(kBuiltHelp / "tallowmere-editor.chm");
  for (const char* page : {"creating-code.html", "searching-controls.html", "grouping-cotrols-together.html"})
    EXPECT_TRUE(help.Holds(page)) << page;
}

TEST(HelpFiles, ConstantsHelpHoldsEveryPageItsContentsAndLinksName) {
  ExpectComplete("Constants.chm", "constants", "Constants.hhp", false);
}

}  // namespace
