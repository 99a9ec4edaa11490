# "ashtally-cli eval": one line per formula (the value, or "error: " and the message) and the
# exit status (0 when every formula succeeded, 1 when one failed, 2 for bad usage).
# A test with an expected output checks the lines; a test without checks the status alone.

function(ashtally_cli_eval_test name expected)
    add_test(NAME cli_eval_${name} COMMAND $<TARGET_FILE:ashtally-cli> eval ${ARGN})
    set_tests_properties(cli_eval_${name} PROPERTIES ENVIRONMENT "${ASHTALLY_TEST_ENVIRONMENT}")
    if(expected STREQUAL "SUCCEEDS")
        # no output check: the exit status must be 0
    elseif(expected STREQUAL "FAILS")
        set_tests_properties(cli_eval_${name} PROPERTIES WILL_FAIL TRUE)
    else()
        set_tests_properties(cli_eval_${name} PROPERTIES PASS_REGULAR_EXPRESSION "${expected}")
    endif()
endfunction()

# Numbers: the fewest digits that read back, a "." point, an exponent only for very small or
# very large magnitudes.
set(numbers 31 0.0015 1.5e-3 90` -2**2 100000 1.0e20 1.0e-7 1/3)
ashtally_cli_eval_test(numbers
    "^31\n0\\.0015\n0\\.0015\n1\\.5707963267948966\n-4\n100000\n1e20\n1e-7\n0\\.3333333333333333\n$"
    ${numbers})
ashtally_cli_eval_test(numbers_status SUCCEEDS ${numbers})

# Every failing formula gives its message on its own line, and the others still run.
set(errors 1/0 cigsperday 'abc 2 "ISVARNA(cigsperday)")
ashtally_cli_eval_test(errors
    "^error: Floating point division by zero\nerror: Unknown function or variable \"CIGSPERDAY\"\\.\nerror: Invalid string\n2\nerror: Unknown function or variable \"cigsperday\"\\.\n$"
    ${errors})
ashtally_cli_eval_test(errors_status FAILS ${errors})
ashtally_cli_eval_test(one_failure_status FAILS 1 2 foo 4)

# --var stores numbers before the formulas; names are case-insensitive.
ashtally_cli_eval_test(var "^210\n10\n-1\\.5\n$"
    --var CigPerDay=20 --var DiffInDays=10.5 --var=X=-1.5 cigperday*DiffInDays "TRUNC(DiffInDays)" x)

# One evaluator serves the whole run: assignments carry over from formula to formula.
ashtally_cli_eval_test(one_evaluator "^1\n2\n2\n$" "X = 1" "X = X + 1" X)

# --text evaluates text formulas and writes the texts as they are.
ashtally_cli_eval_test(text "^Hi there\nab\nλλ\nerror: Syntax error\\.\n$"
    --text "'Hi ' + 'there'" "LEFT('abc', 2)" "SUBSTR('Ελλάδα', 2, 2)" 1)

# Bad usage: a message on stderr, and no formula evaluated.
ashtally_cli_eval_test(no_formula "usage: ashtally-cli eval")
ashtally_cli_eval_test(no_formula_status FAILS)
ashtally_cli_eval_test(bad_var "--var expects NAME=NUMBER" --var X=1,5 X)
ashtally_cli_eval_test(bad_var_status FAILS --var X=1,5 X)
