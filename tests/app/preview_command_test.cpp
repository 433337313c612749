// `orvane preview` run as a process: weight units, standard input, image report, bad arguments.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PreviewCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orvane-preview-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path document(const std::string& text) {
        const fs::path path = dir_ / "doc.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Runs orvane preview with the arguments (already quoted for the shell) and the given input.
    ProcessResult preview(const std::string& arguments, const std::string& input = "") {
        const fs::path in = dir_ / "stdin";
        std::ofstream(in, std::ios::binary) << input;
        const std::string command = std::string("'") + ORVANE_BIN_DIR + "/orvane' preview " +
                                    arguments + " <'" + in.string() + "' >'" +
                                    (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() +
                                    "'";
        ProcessResult run;
        const int status = std::system(command.c_str());
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = readFile(dir_ / "out");
        run.err = readFile(dir_ / "err");
        return run;
    }

    fs::path dir_;
};

TEST_F(PreviewCommandTest, FillsForEachWeightUnit) {
    const std::string path = document("Give <$dose=0.1 max=4>").string();
    struct Case {
        const char* weight;
        const char* dose;  // 0.1 mg/kg, worked out by hand
    };
    const Case cases[] = {
        {"20kg", "2"},      {"50kg", "4</B>&nbsp;mg [Max dose"},
        {"3500g", "0.35"},   // 3.5 kg → 0.35, kept to hundredths below 0.5
        {"22lb", "1"},       // 22 / 2.2 = 10 kg
        {"11lb8oz", "0.5"},  // 5.2272725 kg → 0.52 → 0.5
        {"0kg", "0"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = preview(std::string("--weight ") + c.weight + " '" + path + "'");
        EXPECT_EQ(run.status, 0) << c.weight << run.err;
        const std::string dose = c.dose;
        const std::string expected = dose.find('[') != std::string::npos
                                         ? "Give <B>" + dose + "]\n"
                                         : "Give <B>" + dose + "</B>&nbsp;mg\n";
        EXPECT_EQ(run.out, expected) << c.weight;
    }
}

TEST_F(PreviewCommandTest, TheDocumentIsWindows1252AndThePageIsPrintedInUtf8) {
    // 0x80 the euro sign, 0x96 an en dash, 0x9C œ, 0xB5 the micro sign.
    const ProcessResult run = preview("", "\x80 5 \x96 \x9C \xB5g");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "\xE2\x82\xAC 5 \xE2\x80\x93 \xC5\x93 \xC2\xB5g\n");
}

TEST_F(PreviewCommandTest, NoWeightIsZeroAndStandardInputIsRead) {
    const ProcessResult run =
        preview("", "<$weightif=0>shown</$weightif>a<$dose=0.01 min=0.1>\r\nb");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "a<B>0.1</B>&nbsp;mg<BR>b\n");
    const ProcessResult dash = preview("--weight 25kg -", "<$weightif=20>shown</$weightif>");
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out, "shown\n");
}

TEST_F(PreviewCommandTest, ConvertsTheMarkupAfterFilling) {
    const std::string path = document("x^2 >= <SC id=6>  <$doserange=0.1 up=0.2 max=3>").string();
    const ProcessResult run = preview("--weight 20kg '" + path + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    // The superscript's own trailing space meets the next one; the second conversion of a
    // document turns the pair into " &nbsp;".
    EXPECT_EQ(
        run.out,
        "x<SUP>2 </SUP> &nbsp;&#8805; &#176; &nbsp;<B>2</B>&nbsp;-&nbsp;<B>3</B>&nbsp;mg [Max "
        "dose]\n");
}

TEST_F(PreviewCommandTest, ContentErrorsAreVisible) {
    const ProcessResult run = preview("--weight 10kg", "<$doseamt=0.1> <$rate=nan conc=1>");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("nan"), std::string::npos);
    EXPECT_NE(run.out.find("[Content error: dose not shown]"), std::string::npos) << run.out;
}

TEST_F(PreviewCommandTest, ListsImagesWithoutAPictureWhenAskedTo) {
    fs::create_directories(dir_ / "content");
    std::ofstream(dir_ / "content" / "chart.bmp", std::ios::binary) << "BMpicture";
    const std::string input =
        "<IMG src=\"home\"><IMG src=\"chart.bmp\"><IMG src=\"gone.bmp\"><IMG src=\"../x.bmp\">";
    const ProcessResult run = preview("--content '" + (dir_ / "content").string() + "'", input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, input + "\n");
    EXPECT_EQ(run.err,
              "orvane preview: no picture for image \"gone.bmp\"\n"
              "orvane preview: no picture for image \"../x.bmp\"\n");
    // Without --content nothing is checked.
    EXPECT_EQ(preview("", input).err, "");
}

TEST_F(PreviewCommandTest, BadArgumentsExitWithTwo) {
    const std::string path = document("text").string();
    const char* arguments[] = {
        "--weight",       "--weight 70", "--weight kg", "--weight -5kg", "--weight 11lb16oz",
        "--weight nankg", "--bogus",     "--content",   "a b",           "/nonexistent/doc.txt",
    };
    for (const char* a : arguments) {
        const ProcessResult run = preview(a);
        EXPECT_EQ(run.status, 2) << a;
        EXPECT_EQ(run.out, "") << a;
        EXPECT_NE(run.err.find("usage: orvane preview"), std::string::npos) << a;
    }
    EXPECT_EQ(preview("--weight 20kg '" + path + "'").status, 0);
}

TEST_F(PreviewCommandTest, HelpPrintsUsage) {
    const ProcessResult run = preview("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("usage: orvane preview"), 0u);
}

}  // namespace
