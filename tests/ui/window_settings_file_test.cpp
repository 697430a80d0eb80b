#include "ui/Unit1.h"
#include "ui/game_state.h"
#include "ui/settings_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A settings file in a scratch folder, written and read through the window's own functions.
class SettingsFile : public testing::Test {
protected:
    // The rules are the game's, not the window's: the next test's window starts from the default.
    void TearDown() override { Game = GameState {}; }

    QSettings File() const { return QSettings(path, QSettings::IniFormat); }

    void Write(const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Velmora.conf");
};

} // namespace

// What a person chooses from the menu is stored as it changes, and a window started again with
// the same file shows the same choices.
TEST_F(SettingsFile, KeepsTheMenusChoicesAcrossARestart)
{
    WindowSettings chosen;
    {
        TForm1 form;
        form.show();
        QSettings file = File();
        form.StoreSettings = [&file](const WindowSettings& s) { SaveSettings(file, s); };
        form.ZoomInAction->trigger();
        form.StandardRulesAction->trigger();
        form.StrongComputerAction->trigger();
        form.ThinkingTimeActions[2]->trigger();
        form.RememberNotation("japanese");
        chosen = form.Settings();
    }
    ASSERT_EQ(chosen, (WindowSettings { chosen.zoom, "standard", "strong", 10000, "japanese" }));
    ASSERT_GE(chosen.zoom, 1);

    TForm1 again;
    again.ApplySettings(LoadSettings(File()));
    again.show();
    EXPECT_EQ(again.Settings(), chosen);
    EXPECT_EQ(again.Zoom(), chosen.zoom);
    EXPECT_EQ(again.size(), QSize(193, 112) * chosen.zoom);
    EXPECT_TRUE(again.StandardRulesAction->isChecked());
    EXPECT_EQ(Game.Rules, &StandardRules);
    EXPECT_TRUE(again.StrongComputerAction->isChecked());
    EXPECT_EQ(again.Session.ChosenComputer(), Computer::Strong);
    EXPECT_TRUE(again.ThinkingTimeActions[2]->isChecked());
    EXPECT_EQ(again.Session.ThinkingTime(), 10000);
    EXPECT_EQ(again.NotationSetting(), "japanese");
}

// Each rung of the ladder chosen from the Computer menu is stored by its name and chosen again
// after a restart.
TEST_F(SettingsFile, KeepsEachRungOfTheLadderAcrossARestart)
{
    for (size_t rung = 0; rung < std::size(ComputerLadder); ++rung) {
        SCOPED_TRACE(ComputerLadder[rung].name);
        {
            TForm1 form;
            QSettings file = File();
            form.StoreSettings = [&file](const WindowSettings& s) { SaveSettings(file, s); };
            form.ComputerLevelActions[rung]->trigger();
            EXPECT_TRUE(form.ComputerLevelActions[rung]->isChecked());
        }
        EXPECT_EQ(LoadSettings(File()).computer, ComputerLadder[rung].stored);
        TForm1 again;
        again.ApplySettings(LoadSettings(File()));
        EXPECT_TRUE(again.ComputerLevelActions[rung]->isChecked());
        EXPECT_EQ(again.Session.ChosenComputer(), Computer::Strong);
        EXPECT_EQ(again.Session.ChosenLevel(), rung);
    }
}

// A file that is not what the window wrote, or no file, gives the defaults, value by value.
TEST_F(SettingsFile, ThatIsMissingOrCorruptGivesTheDefaults)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        { "binary junk",
            QByteArray("\x7f"
                       "ELF\x02\x01\x01\x00\xff\xfe\x00[=\n=]",
                17) },
        { "values of the wrong kind",
            "[General]\nzoom=banana\nrules=chess\ncomputer=3\nthinking_ms=fast\nnotation=\n" },
        { "out of range", "[General]\nzoom=1000\nthinking_ms=-3000\n" },
        { "empty", "" },
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        Write(f.bytes);
        EXPECT_EQ(LoadSettings(File()), WindowSettings {});
    }
    QFile::remove(path);
    EXPECT_EQ(LoadSettings(File()), WindowSettings {}) << "no file";
    ASSERT_TRUE(QDir(dir.path()).mkdir("Velmora.conf"));
    EXPECT_EQ(LoadSettings(File()), WindowSettings {}) << "a folder in the file's place";
}

// A place that cannot be written (here a file stands where the folder belongs, which stops root
// too) stores nothing and reads the defaults; the window goes on changing its settings.
TEST_F(SettingsFile, InAnUnwritablePlaceStoresNothingAndTheWindowGoesOn)
{
    Write("not a folder");
    const QString unwritable = path + "/Velmora/Velmora.conf";
    QSettings file(unwritable, QSettings::IniFormat);
    EXPECT_FALSE(SaveSettings(file, { 2, "standard", "strong", 1000, "usi" }));
    EXPECT_EQ(LoadSettings(QSettings(unwritable, QSettings::IniFormat)), WindowSettings {});

    TForm1 form;
    form.show();
    form.StoreSettings = [&file](const WindowSettings& s) { SaveSettings(file, s); };
    form.StandardRulesAction->trigger();
    form.ZoomInAction->trigger();
    EXPECT_EQ(Game.Rules, &StandardRules);
    EXPECT_EQ(form.Settings().rules, "standard");
    EXPECT_FALSE(QFile::exists(unwritable));
}
