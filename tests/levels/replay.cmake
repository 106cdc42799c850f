# Plays one level headless through turtool and fails unless the robot enters the capsule.
#
#   cmake -DTURTOOL=<turtool> -DLEVEL=<N.tur> -DSCRIPT=<N.script> -DWORK=<dir>
#         [-DSEEDS=<seed;seed;...>] [-DSEED_COUNT=<n>] [-DCYCLES=<limit>] -P replay.cmake
#
# First the level must pass `turtool check` without a warning (wall ring, one robot, bolt count
# equal to the bolt cells, teleporters in pairs), and the script must never ask for two arrows
# at once. Then the script is replayed once per seed, each time in a fresh, empty working
# directory (turtool writes kilometrach.txt there), and every run must end with "result: done".
# SEEDS defaults to 1, CYCLES to 1000.
#
# With SEED_COUNT the script is replayed instead under every seed 1..SEED_COUNT in one process,
# `turtool stats --route`, which must lose none of them (a process per seed would take minutes
# for a thousand seeds; the level itself runs in well under a millisecond).

foreach(required TURTOOL LEVEL SCRIPT WORK)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "replay.cmake: -D${required}=... is missing")
    endif()
endforeach()
if(NOT DEFINED SEEDS)
    set(SEEDS 1)
endif()
if(NOT DEFINED CYCLES)
    set(CYCLES 1000)
endif()
foreach(input LEVEL SCRIPT)
    if(NOT EXISTS "${${input}}")
        message(FATAL_ERROR "replay.cmake: ${${input}} does not exist")
    endif()
endforeach()

# A fresh working directory; returns its path in out_var.
function(fresh_work_dir name out_var)
    set(dir "${WORK}/${name}")
    file(REMOVE_RECURSE "${dir}")
    file(MAKE_DIRECTORY "${dir}")
    set(${out_var} "${dir}" PARENT_SCOPE)
endfunction()

fresh_work_dir(check dir)
execute_process(
    COMMAND "${TURTOOL}" check "${LEVEL}"
    WORKING_DIRECTORY "${dir}"
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "no problems\n")
    message(NOTICE "${out}${err}")
    message(FATAL_ERROR "turtool check ${LEVEL} (exit ${rc}) did not report \"no problems\"")
endif()

# A player has one hand on the arrows: the route never presses an arrow, or fires, in a cycle in
# which it already pressed one, nor while another arrow is still held down.
file(STRINGS "${SCRIPT}" key_lines REGEX "^[0-9]+ (press|shift|release) ")
set(held "")
set(last_press_cycle "")
foreach(line IN LISTS key_lines)
    string(REGEX MATCH "^([0-9]+) ([a-z]+) ([a-z]+)" _ "${line}")
    set(cycle "${CMAKE_MATCH_1}")
    set(action "${CMAKE_MATCH_2}")
    set(key "${CMAKE_MATCH_3}")
    if(action STREQUAL "release")
        list(REMOVE_ITEM held "${key}")
        continue()
    endif()
    set(others "${held}")
    list(REMOVE_ITEM others "${key}")
    if(others OR cycle STREQUAL last_press_cycle)
        # NOTICE is printed unwrapped, so the test of this check can find the words.
        message(NOTICE "${SCRIPT}: \"${line}\" asks for two arrows at once")
        message(FATAL_ERROR "a route may hold one arrow at a time")
    endif()
    list(APPEND held "${key}")
    set(last_press_cycle "${cycle}")
endforeach()

foreach(seed IN LISTS SEEDS)
    fresh_work_dir(seed_${seed} dir)
    execute_process(
        COMMAND "${TURTOOL}" run "${LEVEL}" --cycles ${CYCLES} --script "${SCRIPT}"
                --seed ${seed}
        WORKING_DIRECTORY "${dir}"
        RESULT_VARIABLE rc
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "(^|\n)result: done\n")
        # The whole output (result, counters, final board) as turtool printed it.
        message(NOTICE "${out}${err}")
        message(FATAL_ERROR "${LEVEL} replayed with ${SCRIPT}, seed ${seed} (exit ${rc}): "
                            "the robot did not enter the capsule")
    endif()
endforeach()

if(DEFINED SEED_COUNT)
    fresh_work_dir(seeds dir)
    execute_process(
        COMMAND "${TURTOOL}" stats "${LEVEL}" --route "${SCRIPT}" --seeds ${SEED_COUNT}
        WORKING_DIRECTORY "${dir}"
        RESULT_VARIABLE rc
        OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "(^|\n)route lost: 0 of ${SEED_COUNT} seeds ")
        message(NOTICE "${out}${err}")
        message(FATAL_ERROR "${LEVEL} replayed with ${SCRIPT} under seeds 1 to ${SEED_COUNT} "
                            "(exit ${rc}): the robot did not enter the capsule under every seed")
    endif()
endif()
