#include "tests/pixmint/e2e/fixtures.h"

#include <fcntl.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace pixmint::test {

std::vector<std::uint8_t> pattern(int w, int h, int comp) {
    std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h * comp));
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < comp; ++c) {
                px[i++] = static_cast<std::uint8_t>((x * 53 + y * 97 + c * 71 + 13) & 0xff);
            }
        }
    }
    return px;
}

void write_png(const std::string& path, int w, int h, int comp) {
    const auto px = pattern(w, h, comp);
    if (stbi_write_png(path.c_str(), w, h, comp, px.data(), w * comp) == 0) throw std::runtime_error(path);
}

void write_bmp(const std::string& path, int w, int h) {
    const auto px = pattern(w, h, 3);
    if (stbi_write_bmp(path.c_str(), w, h, 3, px.data()) == 0) throw std::runtime_error(path);
}

void write_noise_png(const std::string& path, int w, int h) {
    std::vector<std::uint8_t> px(static_cast<std::size_t>(w * h * 4));
    std::uint32_t state = 0x2545f491;
    for (std::uint8_t& v : px) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<std::uint8_t>(state >> 24);
    }
    if (stbi_write_png(path.c_str(), w, h, 4, px.data(), w * 4) == 0) throw std::runtime_error(path);
}

const char* pixmint_binary() {
    return PIXMINT_BIN;
}

lvforge::test::RunResult run_pixmint(const std::string& cwd, std::vector<std::string> args,
                                     long long file_size_limit) {
    args.insert(args.begin(), pixmint_binary());
    return lvforge::test::run(args, {.cwd = cwd, .file_size_limit = file_size_limit});
}

pid_t start_pixmint(const std::string& cwd, std::vector<std::string> args) {
    args.insert(args.begin(), pixmint_binary());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        if (::chdir(cwd.c_str()) != 0) ::_exit(127);
        // An ignored signal stays ignored across exec; the tests signal the run.
        ::signal(SIGTERM, SIG_DFL);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

}  // namespace pixmint::test
