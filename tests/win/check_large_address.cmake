# Fails when the 32-bit exe is not marked large-address-aware (it would be
# held to 2 GB of address space on 64-bit Windows). A 64-bit exe has it
# anyway.
execute_process(COMMAND ${OBJDUMP} -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
if(dump MATCHES "file format pei-i386" AND NOT dump MATCHES "large address aware")
    message(FATAL_ERROR "Lumigrab.exe is not large-address-aware")
endif()
message(STATUS "large-address-aware")
