# ashtally-cli expand: one quitter made of the options, one template, one moment.
include(${CMAKE_CURRENT_LIST_DIR}/data/cli_check.cmake)

set(ann --at 2024-07-20T14:45:10 --quit 2023-05-15T08:30:00 --name Ann --cig-per-day 20
        --cig-per-pack 20 --cost-per-pack 5)

ashtally_add_cli_test(cli_expand_clipboard_text
    ARGS expand ${ann}
         "<Name> - Free and Healing for <spantext01110001>, while extending my life expectancy <lifetext010001>, by avoiding the use of <CigPerDay*DiffInDays> nicotine delivery devices that would have cost me <moneysaved>."
    EXPECT "Ann - Free and Healing for One Year, Two Months, Five Days, 6 Hours and 15 Minutes, while extending my life expectancy 30 Days, by avoiding the use of 8645 nicotine delivery devices that would have cost me $2,200.16.")

ashtally_add_cli_test(cli_expand_span_and_life
    ARGS expand ${ann} "<spantext> / <SPANSHORTTEXT> / <spantext11100110> / <lifetext>"
    EXPECT "1 year, 2 months, 5 days, 6 hours, 15 minutes and 10 seconds / 1 year, 2 months, 5 days, 6 hours and 15 minutes / 1 Y, 2 M, 5 D, 6 H, 15 M and 10 S / 30 days and 26 minutes")

# Without quitter options: a new quitter named "User", quitting six months after the moment at
# noon, with 5 minutes a cigarette and 3 percent.
ashtally_add_cli_test(cli_expand_new_quitter_defaults
    ARGS expand --at 2024-01-31T09:00:00
         "<name> <CigPerDay> <CigPerPack> <CostPerPack> <MinPerCig> <DiffInDays> <QuitMonth> <QuitDay> <QuitHour> <moneysaved>"
    EXPECT "User 40 20 1 5 182 7 31 12 $0.00")

ashtally_add_cli_test(cli_expand_settings
    ARGS expand ${ann} --min-per-cig 10 --interest 0 --cost-per-pack=7,5 --cig-per-pack 25
         "<MinPerCig> <CostPerPack*10> <moneysaved> <lifetext>"
    EXPECT "10 75 $2,593.56 60 days and 52 minutes")

ashtally_add_cli_test(cli_expand_money_in_a_german_locale
    ENV LC_ALL=de_DE.UTF-8
    ARGS expand ${ann} "<moneysaved>"
    EXPECT "2.200,16 €")

ashtally_add_cli_test(cli_expand_without_moment
    ARGS expand "<name> <CigPerDay>"
    EXPECT "User 40")

ashtally_add_cli_test(cli_expand_formula_error
    ARGS expand ${ann} "<DiffInDays> <hello>"
    STATUS 1 ERROR "^error: Unknown function or variable \"HELLO\"\\.\n$")

ashtally_add_cli_test(cli_expand_impossible_moment
    ARGS expand --at 2023-02-29T10:00:00 "<name>"
    STATUS 1 ERROR "^error: '2023-02-29T10:00:00' is not a valid moment")

ashtally_add_cli_test(cli_expand_bad_count
    ARGS expand --at 2023-02-28T10:00:00 --cig-per-day -3 "<name>"
    STATUS 1 ERROR "^error: '-3' is not a valid integer value")

ashtally_add_cli_test(cli_expand_needs_a_template
    ARGS expand --at 2023-02-28T10:00:00
    STATUS 2 ERROR "^error: expand needs a template")
