// Reading conf.json: every item of its "lvconf" list is checked against the
// table and its two values are merged into the entry it names.
#pragma once

namespace setwright {

// Reads the JSON file `path` and merges each item of "lvconf" into full_conf, in order. Returns
// 0, or 1 after one message line: the file can't be read or parsed, an item is malformed or
// names the wrong entry, or a value can't be copied (file messages say conf.json, the only file
// setwright reads). Items merged before a failure stay merged.
int merge_conf_json(const char* path);

}  // namespace setwright
