# Writes the files that carry the release date (the Debian changelog, the AppStream release)
# dated by the last commit, not by the build: two builds of one commit give the same package.
# SOURCE_DATE_EPOCH, where the builder sets it, wins; a source tree without git history falls
# back to the time of the build.
#   cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DPROJECT_VERSION=... -DLUMIDEX_PACKAGE_MAINTAINER=...
#         -P datedfiles.cmake
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
    endif()
endif()
# string(TIMESTAMP) reads SOURCE_DATE_EPOCH.
string(TIMESTAMP LUMIDEX_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP LUMIDEX_RELEASE_DAY "%Y-%m-%d" UTC)
string(TIMESTAMP LUMIDEX_COPYRIGHT_YEAR "%Y" UTC)
# configure_file leaves a file whose content is the same untouched, so nothing is rebuilt.
configure_file("${SOURCE_DIR}/packaging/changelog.in" "${BINARY_DIR}/changelog" @ONLY)
configure_file("${SOURCE_DIR}/src/app/desktop/lumidex.metainfo.xml"
               "${BINARY_DIR}/example.varnel.lumidex.metainfo.xml" @ONLY)
