// The two header texts: their buffers, the fixed template that interleaves
// literal lines with ranges of table entries, and the writing of each text
// to its file.
#pragma once

#include <array>
#include <cstddef>

namespace setwright {

// One header's text, NUL-terminated, in a heap block that grows when a line does not fit.
struct conf_code_t {
    const char* label;     // the buffer's name in messages
    char* text = nullptr;  // null until init_conf and after free_conf
    std::size_t len = 0;   // bytes before the terminating NUL
    std::size_t cap = 0;   // size of the block
    bool broken = false;   // the block could not grow: the text is incomplete and must not be written
};

extern conf_code_t sim_conf_code;    // simulator.h (mode 0)
extern conf_code_t board_conf_code;  // board.h (mode 1)

// Initial size of each buffer; a header from the built-in table needs about 7 KiB.
inline constexpr std::size_t CONF_CODE_SIZE = 1024 * 1024;

// One template row: entries first..last (inclusive) rendered, then `literal` appended.
struct conf_row_t {
    int first;
    int last;
    const char* literal;
};

// Number of template rows after the opening piece.
inline constexpr std::size_t CONF_ROW_COUNT = 63;

// The template after its opening piece, in output order.
extern const std::array<conf_row_t, CONF_ROW_COUNT> conf_rows;

// The opening piece of the header of `mode`: the guard and the includes.
const char* conf_opening(int mode);

// Allocates both buffers zero-filled (releasing, with a message, any block already held).
// Returns 0, or 1 after "sim_conf_code calloc failed" / "board_conf_code calloc failed".
int init_conf();

// Appends to `code` the lines of entries first..last (inclusive) switched on for `mode`.
// Returns 0, or 1 after "update_simulator_conf() gen code error" when an emitter fails.
int gen_common_mac(int first, int last, conf_code_t& code, int mode);

// Rebuilds the whole header of `mode` (1 board, anything else simulator) in its buffer from the
// current table. Returns 0, or 1 when an emitter failed (message printed).
int update_conf(int mode);

// Writes the text of `mode`'s buffer to `file_name`, replacing the file only once the whole text
// is safely written. Returns 0, or 1 after one line naming the file.
int gen_conf(const char* file_name, int mode);

// Releases both buffers.
void free_conf();

}  // namespace setwright
