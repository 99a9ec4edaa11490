# ashtally-cli in Greek: with the user's language Greek it takes its unit words, its joining word
# and its default texts from the language module beside it, as the program does.
include(${CMAKE_CURRENT_LIST_DIR}/data/cli_check.cmake)

set(data ${CMAKE_CURRENT_LIST_DIR}/data)
set(greek LC_ALL=el_GR.UTF-8 LANG=el_GR.UTF-8)
set(ann --at 2024-07-20T14:45:10 --quit 2023-05-15T08:30:00 --name Ann --cig-per-day 20
        --cig-per-pack 20 --cost-per-pack 5)

ashtally_add_cli_test(cli_greek_span_and_life
    ENV ${greek}
    ARGS expand ${ann} "<spantext> / <spanshorttext> / <lifetext>"
    EXPECT "1 χρόνο, 2 μήνες, 5 ημέρες, 6 ώρες, 15 λεπτά και 10 δευτερόλεπτα / 1 χρόνο, 2 μήνες, 5 ημέρες, 6 ώρες και 15 λεπτά / 30 ημέρες και 26 λεπτά")

ashtally_add_cli_test(cli_greek_new_quitter_name
    ENV ${greek}
    ARGS expand --at 2024-01-31T09:00:00 "<name>"
    EXPECT "Χρήστη")

ashtally_add_cli_test(cli_greek_today_first_start
    ENV ${greek}
    ARGS today --data-dir ${data}/no-such-folder --at 2024-07-20T14:45:10
    EXPECT "Δέν έχω κόψει ακόμα το τσιγάρο")

# No options.ini: the Greek default texts.
ashtally_add_cli_test(cli_greek_today_default_text
    ENV ${greek}
    ARGS today --data-dir ${data}/quit --at 2024-07-20T14:45:10
    EXPECT_FILE ${data}/expected/today_quit_el.txt)
ashtally_add_cli_test(cli_greek_clipboard_default_text
    ENV ${greek}
    ARGS clipboard --data-dir ${data}/quit --at 2024-07-20T14:45:10
    EXPECT "Ann - Ελεύθερος εδώ και 1 χρόνο, 2 μήνες, 5 ημέρες, 6 ώρες και 15 λεπτά, αυξάνοντας τη ζωή μου κατά 30 ημέρες και 26 λεπτά, με την αποφυγή 8645 δόσεων νικοτίνης που θα μου κόστιζαν 2.200,16 €.")

# The language is the one of the messages: Greek formats with English words stay English.
ashtally_add_cli_test(cli_greek_formats_english_words
    ENV LC_ALL= LANG=el_GR.UTF-8 LANGUAGE=en
    ARGS expand ${ann} "<spanshorttext>"
    EXPECT "1 year, 2 months, 5 days, 6 hours and 15 minutes")
