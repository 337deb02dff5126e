#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Languages.h"
#include "settings/SettingsDocument.h"

namespace {

std::string Saved(const FaderSettings& settings) {
  XmlDocument document;
  WriteSettingsDocument(settings, document);
  std::FILE* file = std::tmpfile();
  EXPECT_TRUE(document.Save(file));
  std::string text(size_t(std::ftell(file)), '\0');
  std::rewind(file);
  EXPECT_EQ(text.size(), std::fread(text.data(), 1, text.size(), file));
  std::fclose(file);
  return text;
}

const std::string kRootStart =
    "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">";

XmlLoad LoadBytes(const std::string& bytes, XmlDocument& document) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  const XmlLoad loaded = document.Load(file);
  std::fclose(file);
  return loaded;
}

std::string FileWith(const std::string& fader, const std::string& root = kRootStart) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n" + root +
         "<States><Application debut=\"0\" /></States><Options>" + fader +
         "</Options></DusklampSettings>";
}

bool Read(const std::string& text, FaderSettings& settings) {
  XmlDocument document;
  if (!document.Parse(text)) return false;
  return ReadSettingsDocument(document, settings);
}

}  // namespace

TEST(SettingsDocument, DefaultsAreWrittenAsTheNineLines) {
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n" + kRootStart + "\n"
      "    <States>\n"
      "        <Application debut=\"0\" />\n"
      "    </States>\n"
      "    <Options>\n"
      "        <Fader auto_fade_interval=\"15\" fade_duration=\"20\" max_opacity=\"70\" "
      "overlay_color=\"#0000FF\" text_color=\"#FFFFFF\" text_size=\"250\" auto_block=\"1\" hide_from_capture=\"1\" show_on=\"primary\" clock=\"24_hour\" "
      "working_hours=\"0\" work_days=\"mon,tue,wed,thu,fri\" work_from=\"09:00\" work_to=\"18:00\" show_key=\"\" sound=\"none\" show_fader=\"1\" language=\"windows\" />\n"
      "    </Options>\n"
      "</DusklampSettings>\n",
      Saved(FaderSettings()));
}

TEST(SettingsDocument, WrittenValuesReadBackUnchanged) {
  FaderSettings written;
  written.autoFadeInterval = 7;
  written.fadeDuration = 300;
  written.maxOpacity = 1;
  written.overlayColor = ArgbColor::FromRgb(0xAB, 0xCD, 0xEF);
  written.textColor = ArgbColor::FromRgb(1, 2, 3);
  written.textSize = 900;
  written.autoBlock = false;
  written.hideFromCapture = false;
  FaderSettings read;
  ASSERT_TRUE(Read(Saved(written), read));
  EXPECT_EQ(static_cast<const FaderOptions&>(written).autoFadeInterval, read.autoFadeInterval);
  EXPECT_EQ(300, read.fadeDuration);
  EXPECT_EQ(1, read.maxOpacity);
  EXPECT_EQ(written.overlayColor, read.overlayColor);
  EXPECT_EQ(written.textColor, read.textColor);
  EXPECT_EQ(900, read.textSize);
  EXPECT_FALSE(read.autoBlock);
  EXPECT_FALSE(read.hideFromCapture);
  EXPECT_FALSE(read.debut);  // always saved as 0
}

TEST(SettingsDocument, RejectsWrongRootVersionOrNamespace) {
  const std::string fader = "<Fader auto_fade_interval=\"30\" />";
  const std::string ns = "http://www.quillane.example/dusklamp/xmlns/settings";
  for (const std::string& root : std::vector<std::string>
       {"<DusklampSettings version=\"1.1\" xmlns=\"" + ns + "\">",
        "<DusklampSettings xmlns=\"" + ns + "\">",
        "<DusklampSettings version=\"1.0\">",
        "<DusklampSettings version=\"1.0\" xmlns=\"HTTP://www.quillane.example/dusklamp/xmlns/settings\">"}) {
    FaderSettings settings;
    EXPECT_FALSE(Read(FileWith(fader, root), settings)) << root;
    EXPECT_EQ(15, settings.autoFadeInterval);
    EXPECT_TRUE(settings.debut);
  }
  FaderSettings settings;
  EXPECT_FALSE(Read("<Settings version=\"1.0\" xmlns=\"" + ns + "\" />", settings));
  EXPECT_FALSE(Read("<DusklampSettings", settings));
}

TEST(SettingsDocument, IntegersAreReadLeniantlyAndClamped) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {{"0", 1}, {"61", 60}, {"-5", 1}, {" 30", 30}, {"30.9", 30}, {"15min", 15},
               {"thirty", 15}, {"", 15}};
  for (const Case& c : cases) {
    FaderSettings settings;
    ASSERT_TRUE(Read(FileWith(std::string("<Fader auto_fade_interval=\"") + c.text + "\" />"),
                     settings));
    EXPECT_EQ(c.expected, settings.autoFadeInterval) << c.text;
  }
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<Fader fade_duration=\"301\" max_opacity=\"0\" text_size=\"5\" />"),
                   settings));
  EXPECT_EQ(300, settings.fadeDuration);
  EXPECT_EQ(1, settings.maxOpacity);
  EXPECT_EQ(10, settings.textSize);
  ASSERT_TRUE(Read(FileWith("<Fader text_size=\"1000\" />"), settings));
  EXPECT_EQ(900, settings.textSize);
}

TEST(SettingsDocument, BooleansAreNormalised) {
  FaderSettings settings;
  settings.autoBlock = false;
  ASSERT_TRUE(Read(FileWith("<Fader auto_block=\"2\" />"), settings));
  EXPECT_TRUE(settings.autoBlock);
  ASSERT_TRUE(Read(FileWith("<Fader auto_block=\"0\" />"), settings));
  EXPECT_FALSE(settings.autoBlock);
  ASSERT_TRUE(Read(FileWith("<Fader auto_block=\"yes\" />"), settings));
  EXPECT_FALSE(settings.autoBlock);  // not a number: kept
}

// The capture option came later: files without it keep the default, and a reader that does not
// know an attribute (as the earlier version does not know this one) reads the rest.
TEST(SettingsDocument, AnOptionAFileDoesNotNameKeepsItsDefaultAndUnknownOnesAreIgnored) {
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<Fader auto_block=\"0\" />"), settings));
  EXPECT_TRUE(settings.hideFromCapture);
  ASSERT_TRUE(Read(FileWith("<Fader hide_from_capture=\"0\" />"), settings));
  EXPECT_FALSE(settings.hideFromCapture);
  ASSERT_TRUE(Read(FileWith("<Fader auto_fade_interval=\"30\" a_later_option=\"x\" />"), settings));
  EXPECT_EQ(30, settings.autoFadeInterval);
}

TEST(SettingsDocument, WhereTheFaderShowsAndHowTheClockReadsAreWordsAndAnyOtherTextIsTheDefault) {
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<Fader show_on=\"all\" clock=\"windows\" />"), settings));
  EXPECT_EQ(FaderMonitors::All, settings.showOn);
  EXPECT_EQ(ClockStyle::Windows, settings.clock);
  ASSERT_TRUE(Read(FileWith("<Fader show_on=\"pointer\" clock=\"24_hour\" />"), settings));
  EXPECT_EQ(FaderMonitors::Pointer, settings.showOn);
  EXPECT_EQ(ClockStyle::TwentyFourHour, settings.clock);
  for (const char* word : {"All", "2", "", "primary monitor"}) {
    FaderSettings fresh;
    ASSERT_TRUE(Read(FileWith("<Fader show_on=\"" + std::string(word) + "\" clock=\"" + word + "\" />"), fresh));
    EXPECT_EQ(FaderMonitors::Primary, fresh.showOn) << word;
    EXPECT_EQ(ClockStyle::TwentyFourHour, fresh.clock) << word;
  }
  FaderSettings written;
  written.showOn = FaderMonitors::Pointer;
  written.clock = ClockStyle::Windows;
  XmlDocument document;
  WriteSettingsDocument(written, document);
  FaderSettings read;
  ASSERT_TRUE(ReadSettingsDocument(document, read));
  EXPECT_EQ(FaderMonitors::Pointer, read.showOn);
  EXPECT_EQ(ClockStyle::Windows, read.clock);
}

TEST(SettingsDocument, WorkingHoursTheKeyAndAPauseReadBackAndWhatDoesNotReadIsTheDefault) {
  FaderSettings written;
  written.workingHours = {true, 0x41, 22 * 60, 6 * 60};
  written.showKey = {3, 'T'};
  written.pausedUntil = 134411094000000000;
  const std::string saved = Saved(written);
  EXPECT_NE(std::string::npos, saved.find("<Pause until=\"2026-12-07T09:30:00Z\" />")) << saved;
  EXPECT_NE(std::string::npos, saved.find("working_hours=\"1\" work_days=\"sat,sun\" work_from=\"22:00\" "
                                          "work_to=\"06:00\" show_key=\"ctrl+alt+t\"")) << saved;
  FaderSettings read;
  ASSERT_TRUE(Read(saved, read));
  EXPECT_EQ(written.workingHours, read.workingHours);
  EXPECT_EQ(written.showKey, read.showKey);
  EXPECT_EQ(written.pausedUntil, read.pausedUntil);
  FaderSettings fresh;
  ASSERT_TRUE(Read("<?xml version=\"1.0\" ?>" + kRootStart + "<States><Pause until=\"tomorrow\" /></States>"
                   "<Options><Fader work_from=\"25:00\" work_to=\"\" show_key=\"q\" /></Options></DusklampSettings>", fresh));
  EXPECT_EQ(WorkingHours(), fresh.workingHours);
  EXPECT_EQ(HotKey(), fresh.showKey);
  EXPECT_EQ(0u, fresh.pausedUntil);
  EXPECT_EQ(std::string::npos, Saved(fresh).find("Pause"));
}

// A file from before sounds reads as silent with the Fader shown; one that would neither show
// nor sound a fade shows it.
TEST(SettingsDocument, TheSoundIsAWordAndAFadeNeitherSeenNorHeardIsShown) {
  FaderSettings written;
  written.sound = FaderSound::Speak;
  written.showFader = false;
  FaderSettings read;
  ASSERT_TRUE(Read(Saved(written), read));
  EXPECT_EQ(FaderSound::Speak, read.sound);
  EXPECT_FALSE(read.showFader);
  for (const char* fader : {"<Fader />", "<Fader sound=\"Chime\" show_fader=\"0\" />"}) {
    FaderSettings fresh;
    ASSERT_TRUE(Read(FileWith(fader), fresh));
    EXPECT_EQ(FaderSound::None, fresh.sound) << fader;
    EXPECT_TRUE(fresh.showFader) << fader;
  }
}

// The language is Windows' unless the file names one of ours by its tag.
TEST(SettingsDocument, TheLanguageIsATagAndAnyOtherWordFollowsWindows) {
  FaderSettings written;
  written.language = LanguageChoiceOf(L"pt-BR");
  ASSERT_NE(std::string::npos, Saved(written).find("language=\"pt-BR\""));
  FaderSettings read;
  ASSERT_TRUE(Read(Saved(written), read));
  EXPECT_STREQ(L"Portugu\u00eas (Brasil)", kLanguages[read.language - 1].name);
  for (const char* fader : {"<Fader />", "<Fader language=\"pt-PT\" />", "<Fader language=\"DE\" />"}) {
    FaderSettings fresh;
    ASSERT_TRUE(Read(FileWith(fader), fresh));
    EXPECT_EQ(0, fresh.language) << fader;
  }
}

TEST(SettingsDocument, PresentColoursAlwaysReplaceAbsentOnesNever) {
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<Fader overlay_color=\"\" />"), settings));
  EXPECT_EQ(0xFF000000u, settings.overlayColor.value);
  EXPECT_EQ(0xFFFFFFFFu, settings.textColor.value);
  ASSERT_TRUE(Read(FileWith("<Fader text_color=\"#12345\" overlay_color=\"abcdef\" />"), settings));
  EXPECT_EQ(0xFF000000u, settings.textColor.value);
  EXPECT_EQ(0xFFABCDEFu, settings.overlayColor.value);
}

TEST(SettingsDocument, GroupsWithANonElementFirstChildAreSkipped) {
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<!-- note --><Fader auto_fade_interval=\"30\" />"), settings));
  EXPECT_EQ(15, settings.autoFadeInterval);
  EXPECT_FALSE(settings.debut);  // the other group is still read
}

TEST(SettingsDocument, LaterElementsOverrideEarlierOnesWhereTheyCarryAValue) {
  FaderSettings settings;
  ASSERT_TRUE(Read(FileWith("<Fader auto_fade_interval=\"30\" max_opacity=\"50\" />"
                            "<Other max_opacity=\"90\" />"
                            "<Fader max_opacity=\"80\" fade_duration=\"x\" />"),
                   settings));
  EXPECT_EQ(30, settings.autoFadeInterval);
  EXPECT_EQ(80, settings.maxOpacity);
  EXPECT_EQ(20, settings.fadeDuration);
}

TEST(SettingsDocument, MissingGroupsLeaveTheRecordAsItWas) {
  FaderSettings settings;
  ASSERT_TRUE(Read(kRootStart + "</DusklampSettings>", settings));
  EXPECT_TRUE(settings.debut);
  EXPECT_EQ(20, settings.fadeDuration);
}

// Found by fuzzing: a file ending inside a multi-byte character made the parser read past the end
// of its buffer (AddressSanitizer reports it here if loading hands such bytes to the parser).
TEST(SettingsDocument, AFileEndingInsideACharacterIsReadSafely) {
  XmlDocument document;
  LoadBytes("<?xml version=\"2.0\" encoding=\"UTF-8\" ?>\r\n<DusklampSettings version=\";. ad\xEF", document);
  FaderSettings settings;
  EXPECT_FALSE(ReadSettingsDocument(document, settings));
}

TEST(SettingsDocument, LoadingAFileReadsItAsUtf8) {
  XmlDocument document;
  ASSERT_EQ(XmlLoad::Parsed,
            LoadBytes("\xEF\xBB\xBF" + FileWith("<Fader overlay_color=\"#00ff80\" text_size=\"\xD0\xB4\" />"), document));
  FaderSettings settings;
  ASSERT_TRUE(ReadSettingsDocument(document, settings));
  EXPECT_EQ(ArgbColor::FromRgb(0, 255, 128), settings.overlayColor);
  EXPECT_EQ(250, settings.textSize);
}

// What Notepad's "Unicode" and "Unicode big endian" save: the mark, then UTF-16, with the
// declaration still saying UTF-8; here with CR LF line ends and a character beyond the basic plane.
TEST(SettingsDocument, AUtf16FileInEitherByteOrderReadsAsTheSameSettings) {
  const std::string ascii = FileWith("<Fader fade_duration=\"42\" overlay_color=\"#00ff80\" />\r\n");
  std::u16string text(ascii.begin(), ascii.end());
  text += u"<!-- \U0001F550 \u0434 -->";
  for (const bool bigEndian : {false, true}) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
      const char high = char(unit >> 8), low = char(unit & 0xFF);
      bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    XmlDocument document;
    ASSERT_EQ(XmlLoad::Parsed, LoadBytes(bytes, document)) << bigEndian;
    FaderSettings settings;
    ASSERT_TRUE(ReadSettingsDocument(document, settings)) << bigEndian;
    EXPECT_EQ(42, settings.fadeDuration);
    EXPECT_EQ(ArgbColor::FromRgb(0, 255, 128), settings.overlayColor);
  }
}
