#include "core/profiles/ProfileCatalog.h"

#include <QTest>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace clipvane;

namespace {

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// 1-based menu positions, as the rows are numbered everywhere else.
std::set<int> RowsWhere(bool (*predicate)(const TProfile&)) {
    std::set<int> rows;
    const auto catalog = ProfileCatalog();
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        if (predicate(catalog[i]))
            rows.insert(static_cast<int>(i) + 1);
    }
    return rows;
}

} // namespace

class tst_ProfileCatalog final : public QObject {
    Q_OBJECT

private slots:
    void groups_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<int>("count");
        const std::vector<std::pair<const char*, int>> groups = {
            {"General Audio Format", 6},
            {"General Video Format", 8},
            {"3GP Video", 4},
            {"Apple iPad", 4},
            {"Apple iPhone", 3},
            {"Apple iPod", 13},
            {"Apple TV", 3},
            {"AVI", 4},
            {"BlackBerry", 3},
            {"Creative Zen", 2},
            {"DV", 2},
            {"DVD", 10},
            {"Flash Video Movie (*.flv)", 3},
            {"Google Android", 2},
            {"MP4 Mobile Phones", 5},
            {"Nokia", 5},
            {"Palm", 2},
            {"Quicktime (*.mov)", 4},
            {"ShockwaveFlash (*.swf)", 3},
            {"Sony Bravia", 4},
            {"Sony PS3", 2},
            {"Sony PSP", 3},
            {"Sony Walkman", 1},
            {"VCD", 2},
            {"WMV", 5},
        };
        for (std::size_t i = 0; i < groups.size(); ++i) {
            QTest::addRow("group %zu %s", i + 1, groups[i].first)
                << static_cast<int>(i) << QByteArray(groups[i].first) << groups[i].second;
        }
    }
    void groups() {
        QFETCH(int, index);
        QFETCH(QByteArray, caption);
        QFETCH(int, count);
        const auto groups = ProfileGroups();
        QCOMPARE(groups.size(), std::size_t{25});
        const TProfileGroup& group = groups[static_cast<std::size_t>(index)];
        QCOMPARE(Bytes(group.Caption), caption);
        QCOMPARE(group.Profiles.size(), static_cast<std::size_t>(count));
        for (const TProfile& profile : group.Profiles)
            QCOMPARE(Bytes(profile.GroupCaption), caption);
    }

    // The menu is built from the groups and the lookups search the flat list: both must show the
    // same 103 entries in the same order, with no group split in two.
    void groupsTileTheCatalog() {
        const auto catalog = ProfileCatalog();
        QCOMPARE(catalog.size(), std::size_t{103});
        const TProfile* next = catalog.data();
        std::set<std::string_view> captions;
        for (const TProfileGroup& group : ProfileGroups()) {
            QCOMPARE(group.Profiles.data(), next);
            next += group.Profiles.size();
            QVERIFY2(captions.insert(group.Caption).second, group.Caption.data());
        }
        QCOMPARE(next, catalog.data() + catalog.size());
    }

    void captionsAreDistinctKeys() {
        std::set<std::string_view> captions;
        for (const TProfile& profile : ProfileCatalog()) {
            QVERIFY2(captions.insert(profile.Caption).second, profile.Caption.data());
            QCOMPARE(FindProfile(profile.Caption), &profile);
            // A caption read as a manual command line would never reach its catalog row.
            QVERIFY2(Bytes(profile.Caption).left(6).toLower() != "ffmpeg", profile.Caption.data());
        }
        for (const TProfileGroup& group : ProfileGroups())
            QVERIFY2(!captions.contains(group.Caption), group.Caption.data());
    }

    void everyCaptionSelectsItsOwnRow() {
        for (const TProfile& profile : ProfileCatalog()) {
            QCOMPARE(Bytes(GetFFmpegParams(profile.Caption)), Bytes(profile.FFmpegParams));
            QCOMPARE(Bytes(GetOutputExt(profile.Caption)), Bytes(profile.OutputExt));
        }
    }

    void argumentStringsEndWithOneBlank() {
        const auto badEnd = [](const TProfile& p) {
            return !p.FFmpegParams.ends_with(' ') || p.FFmpegParams.ends_with("  ");
        };
        QCOMPARE(RowsWhere(badEnd), std::set<int>{});
    }

    // The strings go to the encoder byte for byte, so a blank tidied away is a changed profile,
    // not a clean-up; the odd ones are pinned.
    void doubledBlanksInsideExactlyWhereExpected() {
        const auto doubled = [](const TProfile& p) {
            return p.FFmpegParams.substr(0, p.FFmpegParams.size() - 1).find("  ") != std::string_view::npos;
        };
        QCOMPARE(RowsWhere(doubled), (std::set<int>{6, 14, 49, 50, 99, 100, 101, 102, 103}));
    }

    void sharedArgumentStrings() {
        std::map<std::string_view, std::vector<int>> rowsByParams;
        const auto catalog = ProfileCatalog();
        for (std::size_t i = 0; i < catalog.size(); ++i)
            rowsByParams[catalog[i].FFmpegParams].push_back(static_cast<int>(i) + 1);
        QCOMPARE(rowsByParams.size(), std::size_t{94});
        std::set<std::vector<int>> shared;
        for (const auto& [params, rows] : rowsByParams) {
            if (rows.size() > 1)
                shared.insert(rows);
        }
        const std::set<std::vector<int>> expected = {
            {14, 99}, {24, 28, 47}, {25, 29, 32, 35, 48}, {30, 33}, {31, 34}};
        QCOMPARE(shared, expected);
    }

    void extensions_data() {
        QTest::addColumn<QByteArray>("ext");
        QTest::addColumn<int>("count");
        const std::vector<std::pair<const char*, int>> counts = {
            {".mp4", 48}, {".mpg", 18}, {".avi", 7}, {".wmv", 6}, {".mov", 5},
            {".3gp", 4},  {".flv", 4},  {".swf", 3}, {".dv", 2},  {".ac3", 1},
            {".m4a", 1},  {".mp3", 1},  {".ogg", 1}, {".wav", 1}, {".wma", 1},
        };
        for (const auto& [ext, count] : counts)
            QTest::newRow(ext) << QByteArray(ext) << count;
    }
    void extensions() {
        QFETCH(QByteArray, ext);
        QFETCH(int, count);
        int found = 0;
        for (const TProfile& profile : ProfileCatalog())
            found += Bytes(profile.OutputExt) == ext ? 1 : 0;
        QCOMPARE(found, count);
    }

    // The batch window swaps this in for the input's extension; "mp4" or ".MP4" would name the
    // output wrongly, and a fifteen-way split leaves no room for a stray sixteenth.
    void extensionsAreLowerCaseWithDot() {
        std::set<std::string_view> distinct;
        for (const TProfile& profile : ProfileCatalog()) {
            const std::string_view ext = profile.OutputExt;
            QVERIFY2(ext.size() >= 2 && ext.front() == '.', profile.Caption.data());
            for (const char c : ext.substr(1))
                QVERIFY2((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'), profile.Caption.data());
            distinct.insert(ext);
        }
        QCOMPARE(distinct.size(), std::size_t{15});
    }

    void spotRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("params");
        QTest::addColumn<QByteArray>("ext");
        QTest::newRow("first row") << 1 << QByteArray("General Audio Format")
                                   << QByteArray("AC3 - Dolby Digital AC-3")
                                   << QByteArray("-f ac3 -acodec ac3 -ab 192k -ar 48000 -ac 2 ")
                                   << QByteArray(".ac3");
        QTest::newRow("misspelt caption kept")
            << 4 << QByteArray("General Audio Format") << QByteArray("OGG - Ogg Vobis Audio")
            << QByteArray("-vn -c:a libvorbis -q:a 6 -ac 2 ") << QByteArray(".ogg");
        QTest::newRow("doubled blank after -vn")
            << 6 << QByteArray("General Audio Format") << QByteArray("WMA - Windows Media Audio")
            << QByteArray("-vn  -acodec wmav2 -ab 160k ") << QByteArray(".wma");
        QTest::newRow("doubled blank after bit rate")
            << 49 << QByteArray("Creative Zen") << QByteArray("Creative Zen Fullscreen")
            << QByteArray("-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 320x240 -aspect 4:3 -maxrate 1800k "
                          "-b 1500k  "
                          "-acodec libmp3lame -ar 48000 -ab 128k -ac 2 ")
            << QByteArray(".avi");
        QTest::newRow("last row")
            << 103 << QByteArray("WMV") << QByteArray("Power Point")
            << QByteArray("-vcodec wmv2  -acodec wmav2 -aspect 4:3 -b 500k -ab 32k -ac 1 -ar 22050 "
                          "-s 320x240 ")
            << QByteArray(".wmv");
    }
    void spotRows() {
        QFETCH(int, row);
        QFETCH(QByteArray, group);
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, params);
        QFETCH(QByteArray, ext);
        const TProfile& profile = ProfileCatalog()[static_cast<std::size_t>(row - 1)];
        QCOMPARE(Bytes(profile.GroupCaption), group);
        QCOMPARE(Bytes(profile.Caption), caption);
        QCOMPARE(Bytes(profile.FFmpegParams), params);
        QCOMPARE(Bytes(profile.OutputExt), ext);
    }

    void lookups_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("params");
        QTest::addColumn<QByteArray>("ext");
        const QByteArray none;
        const QByteArray wmvParams("-vcodec wmv2  -acodec wmav2 -b 1000k -ab 160k -r 25 ");
        const QByteArray presetParams("-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 ");

        QTest::newRow("caption of row 1")
            << QByteArray("AC3 - Dolby Digital AC-3")
            << QByteArray("-f ac3 -acodec ac3 -ab 192k -ar 48000 -ac 2 ") << QByteArray(".ac3");
        QTest::newRow("caption of row 52")
            << QByteArray("Raw DV for PAL Fullscreen")
            << QByteArray("-target pal-dv -aspect 4:3 -f dv -flags +ilme+ildct -top 1 -async 1 "
                          "-fflags +genpts+igndts -vsync 1 ")
            << QByteArray(".dv");
        QTest::newRow("caption in lower case: nothing")
            << QByteArray("ac3 - dolby digital ac-3") << none << none;
        QTest::newRow("caption plus trailing blank: nothing")
            << QByteArray("AC3 - Dolby Digital AC-3 ") << none << none;
        QTest::newRow("caption plus leading blank: nothing")
            << QByteArray(" AC3 - Dolby Digital AC-3") << none << none;
        QTest::newRow("front of a caption: nothing") << QByteArray("AC3 - Dolby Digital") << none << none;
        QTest::newRow("group caption: nothing") << QByteArray("Apple iPod") << none << none;
        QTest::newRow("manual menu item: nothing") << QByteArray("Manual conversion") << none << none;
        QTest::newRow("WMV (*.wmv)") << QByteArray("WMV (*.wmv)") << wmvParams << QByteArray(".wmv");
        QTest::newRow("WMV2 Generic, same string")
            << QByteArray("WMV2 Generic") << wmvParams << QByteArray(".wmv");
        QTest::newRow("empty text: nothing") << QByteArray() << none << none;

        QTest::newRow("manual preset")
            << QByteArray("ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov")
            << presetParams << QByteArray(".mov");
        QTest::newRow("manual preset, FFMPEG")
            << QByteArray("FFMPEG -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov")
            << presetParams << QByteArray(".mov");
        QTest::newRow("manual preset, FFmpeg")
            << QByteArray("FFmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov")
            << presetParams << QByteArray(".mov");
        QTest::newRow("first %1. splits, rest is extension")
            << QByteArray("ffmpeg -i %1 -vf movie=%1.png -c:v libx264 %1.mp4") << QByteArray("-vf movie=")
            << QByteArray(".png -c:v libx264 %1.mp4");
        QTest::newRow("hand-edited front still loses 13 chars")
            << QByteArray("ffmpeg -y -i %1 -ab 64k %1.mp3") << QByteArray("%1 -ab 64k ")
            << QByteArray(".mp3");
        QTest::newRow("no options between front and mark")
            << QByteArray("ffmpeg -i %1 %1.mp4") << QByteArray() << QByteArray(".mp4");
        QTest::newRow("mark inside the front: no params")
            << QByteArray("ffmpeg %1.mp4") << none << QByteArray(".mp4");
        QTest::newRow("mark at the end: lone dot")
            << QByteArray("ffmpeg -i %1 -an %1.") << QByteArray("-an ") << QByteArray(".");
        QTest::newRow("bytes, not characters")
            << QByteArray("ffmpeg -i %1 -metadata title=Caf\xc3\xa9 %1.mkv")
            << QByteArray("-metadata title=Caf\xc3\xa9 ") << QByteArray(".mkv");
        QTest::newRow("ffmpeg without mark: nothing") << QByteArray("ffmpeg -i %1 -ab 64k") << none << none;
        QTest::newRow("bare ffmpeg: nothing") << QByteArray("ffmpeg") << none << none;
        QTest::newRow("ffmpe is too short: nothing") << QByteArray("ffmpe") << none << none;
        QTest::newRow("ffmpeg not at the front: nothing")
            << QByteArray(" ffmpeg -i %1 -an %1.mp3") << none << none;
    }
    void lookups() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, params);
        QFETCH(QByteArray, ext);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        QCOMPARE(Bytes(GetFFmpegParams(view)), params);
        QCOMPARE(Bytes(GetOutputExt(view)), ext);
    }
};

QTEST_GUILESS_MAIN(tst_ProfileCatalog)
#include "tst_ProfileCatalog.moc"
