# ashtally-cli milestones: the milestone list the program would build at a moment, read from a
# data folder as the program reads it at start.
include(${CMAKE_CURRENT_LIST_DIR}/data/cli_check.cmake)

set(data ${CMAKE_CURRENT_LIST_DIR}/data/milestones)
set(at --at 2024-07-20T14:45:10)

# The default rules for a quitter who stopped two days ago: the last hours of the first 72, then
# every rule over the next 1000 days, in time order and rows of one moment by level.
ashtally_add_cli_test(cli_milestones_default_rules
    ARGS milestones --data-dir ${data}/defaults ${at}
    EXPECT_FILE ${data}/expected/defaults.txt)

# Rules, steps and texts from options.ini. Tabs, line breaks and backslashes in the names and
# texts are written as escapes; the text after the first "|" keeps any further "|".
ashtally_add_cli_test(cli_milestones_options_from_the_file
    ARGS milestones --data-dir ${data}/custom ${at}
    EXPECT_FILE ${data}/expected/custom.txt)

# No quitters file: the first start's user, quitting six months ahead at noon.
ashtally_add_cli_test(cli_milestones_first_start
    ARGS milestones --data-dir ${data}/first-start ${at}
    EXPECT_FILE ${data}/expected/first-start.txt)

# Steps of 0 or less and 0 minutes a cigarette: those rules add nothing, the others go on.
ashtally_add_cli_test(cli_milestones_zero_steps
    ARGS milestones --data-dir ${data}/zero-steps ${at}
    EXPECT_FILE ${data}/expected/zero-steps.txt)

# An expansion error: the message alone, no rows.
ashtally_add_cli_test(cli_milestones_template_error
    ARGS milestones --data-dir ${data}/broken ${at}
    STATUS 1 ERROR "^error: Unknown function or variable \"HELLO\"\\.\n$")

ashtally_add_cli_test(cli_milestones_bad_moment
    ARGS milestones --data-dir ${data}/defaults --at 2024-02-30T00:00:00
    STATUS 1 ERROR "^error: '2024-02-30T00:00:00' is not a valid moment")
ashtally_add_cli_test(cli_milestones_unknown_option
    ARGS milestones --data-dir ${data}/defaults --now
    STATUS 2 ERROR "^error: unknown option --now")
