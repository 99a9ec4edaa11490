# ashtally-cli today and clipboard: the user's Today text and clipboard text, read from a data
# folder as the program reads it at start.
include(${CMAKE_CURRENT_LIST_DIR}/data/cli_check.cmake)

set(data ${CMAKE_CURRENT_LIST_DIR}/data)
set(at --at 2024-07-20T14:45:10)

# No data files: the first start's user quits six months ahead, so there is nothing to show yet.
ashtally_add_cli_test(cli_today_first_start
    ARGS today --data-dir ${data}/no-such-folder ${at}
    EXPECT "I have not quit yet.")
ashtally_add_cli_test(cli_clipboard_first_start
    ARGS clipboard --data-dir ${data}/no-such-folder ${at}
    EXPECT "I have not quit yet.")

# The user (the first quitter) with the default texts and options.
ashtally_add_cli_test(cli_today_default_text
    ARGS today --data-dir ${data}/quit ${at}
    EXPECT_FILE ${data}/expected/today_quit.txt)
ashtally_add_cli_test(cli_today_before_the_quit
    ARGS today --data-dir ${data}/quit --at 2023-05-15T08:29:59
    EXPECT "I have not quit yet.")
ashtally_add_cli_test(cli_clipboard_default_text
    ARGS clipboard --data-dir ${data}/quit ${at}
    EXPECT "Ann - Free and Healing for One Year, Two Months, Five Days, 6 Hours and 15 Minutes, while extending my life expectancy 30 Days, by avoiding the use of 8645 nicotine delivery devices that would have cost me $2,200.16.")

# Without --data-dir: the program's own data folder.
ashtally_add_cli_test(cli_today_program_data_folder
    ENV XDG_DATA_HOME=${data}/xdg
    ARGS today ${at}
    EXPECT_FILE ${data}/expected/today_quit.txt)

# Options from options.ini: no interest, 10 minutes a cigarette, own texts. The quitters file
# has a line that cannot be read: the user is told, and the rest is read.
ashtally_add_cli_test(cli_today_options_from_the_file
    ARGS today --data-dir ${data}/custom ${at}
    EXPECT_FILE ${data}/expected/today_options.txt
    ERROR "^warning: [^\n]*buddies\\.csv")
# The clipboard preview shows a template's error as its text.
ashtally_add_cli_test(cli_clipboard_template_error
    ARGS clipboard --data-dir ${data}/custom ${at}
    EXPECT "Unknown function or variable \"HELLO\"."
    ERROR "^warning: ")
# The Today page reports it.
ashtally_add_cli_test(cli_today_template_error
    ARGS today --data-dir ${data}/broken ${at}
    STATUS 1 ERROR "^error: Unknown function or variable \"HELLO\"\\.\n$")

ashtally_add_cli_test(cli_today_unknown_option
    ARGS today --data-dir ${data}/quit --now
    STATUS 2 ERROR "^error: unknown option --now")
