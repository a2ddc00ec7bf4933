# Installs the build tree into a scratch prefix, then builds and runs the consumer
# twice: once through find_package(kwgfx) and once through pkg-config.
file(REMOVE_RECURSE ${SCRATCH_DIR})
set(prefix ${SCRATCH_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "command failed (${rc}): ${ARGV}\n${out}\n${err}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${KWGFX_BINARY_DIR} --prefix ${prefix})

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${SCRATCH_DIR}/cmake-build
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
run(${CMAKE_COMMAND} --build ${SCRATCH_DIR}/cmake-build)
run(${SCRATCH_DIR}/cmake-build/consumer)

# pkg-config route
file(GLOB pcdir ${prefix}/lib*/pkgconfig)
set(ENV{PKG_CONFIG_PATH} ${pcdir})
execute_process(COMMAND pkg-config --cflags --libs --static kwgfx
    OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know kwgfx")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CMAKE_CXX_COMPILER} ${CONSUMER_SOURCE_DIR}/main.cpp ${flags} -o ${SCRATCH_DIR}/consumer-pc)
run(${SCRATCH_DIR}/consumer-pc)
message(STATUS "consumer built and ran through find_package and pkg-config")
