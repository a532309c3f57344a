# The protections Debian builds its programs with (dpkg-buildflags' hardening set), for every
# target: a program that reads files from users and devices should fail closed on a stray write.
# Stack protection, checked string and memory calls, and a read-only relocation table bound at
# start. The sanitizer and fuzzer builds check more than this already, and the checked calls
# hide faults from AddressSanitizer, so they go without.
if(NOT MOTORHALL_SANITIZE AND NOT MOTORHALL_FUZZ)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection
        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
