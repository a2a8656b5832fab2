#include <sys/stat.h>

#include <cstdio>
#include <sstream>

#include "base/fixed_text.h"
#include "recorded_lot.h"
#include "records/certificate_output.h"
#include "records/sqlite/sqlite_database.h"
#include "records_fixture.h"
#include "reference/unit_gasket_tables.h"
#include "stats/sender_block.h"

namespace klv::test {
namespace {

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
            out.append(buffer, n);
        pclose(p);
    }
    return out;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The pages of the PDF as pdftotext lays them out.
std::vector<std::string> PdfPages(const std::string& path) {
    const std::string text = Shell("pdftotext -layout '" + path + "' -");
    std::vector<std::string> pages;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\f', from)) != std::string::npos; from = at + 1)
        pages.push_back(text.substr(from, at - from));
    return pages;
}

// The words of every line of `text` that starts with `first` and `second`.
std::vector<std::vector<std::string>> LinesStarting(const std::string& text,
                                                    const std::string& first,
                                                    const std::string& second) {
    std::vector<std::vector<std::string>> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto w = Words(line);
        if (w.size() >= 2 && w[0] == first && w[1] == second)
            found.push_back(w);
    }
    return found;
}

int Occurrences(const std::string& text, const std::vector<std::string>& words) {
    std::istringstream in(text);
    int n = 0;
    for (std::string line; std::getline(in, line);)
        n += Words(line) == words ? 1 : 0;
    return n;
}

class CertificateTest : public RecordsFixture {
protected:
    CertificateTest() {
        SenderBlock block{};
        SetFixedText(block.szTitle, "Plating QC Lab");
        SetFixedText(block.szLine[0], "1 Foundry Road");
        EXPECT_TRUE(WriteSenderBlock(dir.File("tester.dat"), block, op));
        db = OpenDb();
    }

    CertificateOutcome Certify(const std::string& lot, PaperSize paper = kPaperA4,
                               std::optional<int> channel = {}) {
        return WriteLotCertificate(*db, dir.Path(), lot, channel, intervals, paper,
                                   "2026-12-12 08:00:00", pdf);
    }

    std::unique_ptr<ResultsDatabase> db;
    std::string pdf = dir.File("lot.pdf");
    std::array<int, kGasketRecordCount> intervals{};  // days, by gasket code
};

TEST_F(CertificateTest, EveryNumberOfAHandWorkedLotOverTwoDaysAndTwoTesters) {
    RecordLot(*db, "L-9", kHandWorkedLot);
    RecordLot(*db, "other", {{"bench-1", "2026-12-10", "12:00:00", 9.0, "above", 1.0}});
    // Texts beyond ASCII reach the page in its WinAnsi face.
    ASSERT_TRUE(db->Execute("UPDATE measurements SET customer = 'M\u00fcller \u2013 Co'"
                            " WHERE data_number = 1")
                    .ok());
    intervals[kGasketA] = 30;
    const CertificateOutcome outcome = Certify("L-9");
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(outcome.message, "The certificate of lot L-9 is written to " + pdf + " (2 pages).");
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[1].find("Page 2 of 2"), std::string::npos);
    const std::string t = pages[0] + pages[1];
    for (const char* text :
         {"Plating QC Lab", "1 Foundry Road", "2026-12-10 to 2026-12-11",
          "The lot conforms to its limits.", "Layer 2 (Cu) has no limits: not judged.",
          "Page 1 of 2", "Tested by:", "Approved by:"})
        EXPECT_NE(t.find(text), std::string::npos) << text << "\n" << t;
    EXPECT_EQ(t.find("9.00 um"), std::string::npos) << "another lot's reading";

    const std::vector<std::vector<std::string>> lines = {
        {"Customer:", "M\u00fcller", "\u2013", "Co,", "Acme"},
        {"Goods:", "Pins"},
        {"Lot:", "L-9"},
        {"Operator(s):", "Ann,", "Bob"},
        {"Tester(s):", "bench-1,", "bench-2"},
        {"Readings:", "4"},
        {"Ni-Cu", "Brass", "um", "A"},
        // Limits, then the statistics, each number worked by hand.
        {"1", "Ni", "1.000", "um", "6.000", "um"},
        {"2", "Cu", "none", "none"},
        {"1", "Ni", "4", "3.000", "0.816", "2.000", "4.000", "0.94", "0.75", "1.02", "0.82"},
        {"2", "Cu", "4", "11.500", "1.291", "10.000", "13.000", "-", "-", "-", "-"},
        // Each reading in the order taken, with its tester, values and verdicts.
        {"1", "2026-12-10", "10:00:00", "bench-1", "4", "1", "1", "Ni", "2.00", "um", "OK"},
        {"2", "Cu", "10.00", "um", "-"},
        {"2", "2026-12-10", "11:00:00", "bench-1", "4", "2", "1", "Ni", "3.00", "um", "OK"},
        {"2", "Cu", "12.00", "um", "-"},
        {"3", "2026-12-11", "09:00:00", "bench-2", "4", "3", "1", "Ni", "4.00", "um", "OK"},
        {"4", "2026-12-11", "10:00:00", "bench-2", "4", "4", "1", "Ni", "3.00", "um", "OK"},
        {"2", "Cu", "13.00", "um", "-"},
        {"A", "2.50", "%", "2026-11-01", "2026-12-01"},
        {"Readings", "measured", "with", "an", "overdue", "calibration:", "0"},
    };
    for (const auto& line : lines)
        EXPECT_EQ(Occurrences(t, line), 1) << line[0] << " " << line[1] << "\n" << t;

    // One channel of the lot only, and Letter paper.
    ASSERT_FALSE(Certify("L-9", kPaperLetter, 5).ok);
    EXPECT_EQ(Certify("L-9", kPaperLetter, 5).message, "No measurement of lot L-9 is recorded.");
    ASSERT_TRUE(Certify("L-9", kPaperLetter, 4).ok);
    EXPECT_NE(Shell("pdfinfo '" + pdf + "'").find("612 x 792 pts (letter)"), std::string::npos);
}

TEST_F(CertificateTest, AReadingBeyondALimitOrWithoutAValueFailsTheLot) {
    auto lot = kHandWorkedLot;
    lot[1].ni = 6.5;
    lot[1].niVerdict = "above";
    lot[2].overdue = true;
    RecordLot(*db, "L-10", lot);
    ASSERT_TRUE(db->Execute("UPDATE measurement_layers SET value_um = NULL, no_value = 1 WHERE"
                            " layer = 0 AND value_um = 3.0")
                    .ok());
    ASSERT_TRUE(Certify("L-10").ok);
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    const std::string t = pages[0] + pages[1];
    for (const char* text :
         {"The lot does not conform to its limits.", "Layer 1 (Ni): 1 reading beyond its limits.",
          "Layer 1 (Ni): 1 reading without a value.",
          "1 reading measured while the gasket calibration was overdue.",
          "Readings measured with an overdue calibration: 1"})
        EXPECT_NE(t.find(text), std::string::npos) << text << "\n" << t;
    EXPECT_EQ(LinesStarting(t, "2", "2026-12-10")[0].back(), "USL");
    EXPECT_EQ(LinesStarting(t, "3", "2026-12-11")[0].back(), "overdue");
    EXPECT_EQ(Occurrences(t, {"A", "2.50", "%", "2026-11-01", "-"}), 1) << "never due";
    EXPECT_EQ(LinesStarting(t, "4", "2026-12-11")[0].back(), "value");
    // Ni 2, 6.5, 4 and one without a value: moving ranges 4.5, 2.5.
    EXPECT_EQ(Occurrences(t, {"1", "Ni", "3", "4.167", "2.255", "2.000", "6.500", "0.27", "0.20",
                              "0.37", "0.27"}),
              1)
        << t;
}

TEST_F(CertificateTest, ALongLotGoesOnOverPagesInsideTheMarginsOnBothPapers) {
    std::vector<LotReading> many;
    for (int i = 0; i < 70; ++i)
        many.push_back({"bench-1", "2026-12-10", "10:00:00", 2.0 + i % 3, "inside", 10.0});
    RecordLot(*db, "L-11", many);
    for (PaperSize paper : {kPaperA4, kPaperLetter}) {
        ASSERT_TRUE(Certify("L-11", paper).ok);
        const auto pages = PdfPages(pdf);
        ASSERT_GE(pages.size(), 3u);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::string page =
                "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
            EXPECT_NE(pages[p].find(page), std::string::npos) << page;
            EXPECT_NE(pages[p].find("CERTIFICATE OF CONFORMANCE"), std::string::npos);
        }
        // The readings table's header stands above its rows on every page it goes on to, and
        // a reading's layers stay together.
        std::istringstream page2(pages[1].substr(pages[1].find("No. Date")));
        std::string header, row;
        std::getline(page2, header);
        std::getline(page2, row);
        ASSERT_GE(Words(row).size(), 2u) << pages[1];
        EXPECT_EQ(Words(row)[1], "2026-12-10") << row;
        const auto last = LinesStarting(pages[1] + pages[2], "70", "2026-12-10");
        EXPECT_EQ(last.size(), 1u);

        // Every word inside the 15 mm margins.
        const std::string box = Shell("pdftotext -bbox '" + pdf + "' -");
        const double width = paper.width;
        const double height = paper.height;
        std::size_t words = 0;
        for (std::size_t at = 0; (at = box.find("<word xMin=\"", at)) != std::string::npos; ++at) {
            double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
            ASSERT_EQ(std::sscanf(box.c_str() + at,
                                  "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &x0,
                                  &y0, &x1, &y1),
                      4);
            EXPECT_GE(x0, 42.0);
            EXPECT_LE(x1, width - 42.0);
            EXPECT_GE(y0, 42.0);
            EXPECT_LE(y1, height - 40.0);
            ++words;
        }
        EXPECT_GT(words, 700u);
    }
}

TEST_F(CertificateTest, TellsAnEmptyLotAnUnreadableDatabaseAndAnUnwritableFile) {
    RecordLot(*db, "L-9", kHandWorkedLot);
    EXPECT_EQ(Certify("L-404").message, "No measurement of lot L-404 is recorded.");
    pdf = dir.File("no/such/folder/lot.pdf");
    CertificateOutcome outcome = Certify("L-9");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "The certificate cannot be written to " + pdf + ".");
    ASSERT_TRUE(db->Execute("DROP TABLE measurement_layers").ok());
    outcome = Certify("L-9");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.rfind("The results database " + db->Where() + " cannot be read: ", 0),
              0u)
        << outcome.message;
}

}  // namespace
}  // namespace klv::test
