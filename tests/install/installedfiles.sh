# Shared by the installation and package checks (sourced, not run).

# The files an installation into /usr holds, relative to the root, sorted:
# every file of dist/ under share/parlora, the programs, the desktop entry,
# the icon in all sizes, the metainfo, the manual pages and the documents.
expected_files() {
  source_dir=$1
  {
    printf '%s\n' \
      usr/bin/parlora \
      usr/bin/parlora-lookup \
      usr/share/applications/org.parlora.Parlora.desktop \
      usr/share/metainfo/org.parlora.Parlora.metainfo.xml \
      usr/share/icons/hicolor/scalable/apps/org.parlora.Parlora.svg \
      usr/share/man/man1/parlora.1.gz \
      usr/share/man/man1/parlora-lookup.1.gz \
      usr/share/doc/parlora/copyright \
      usr/share/doc/parlora/changelog.gz \
      usr/share/doc/parlora/README.md
    for size in $ICON_SIZES; do
      echo "usr/share/icons/hicolor/${size}x${size}/apps/org.parlora.Parlora.png"
    done
    (cd "$source_dir/dist" && find . -type f ! -name .gitkeep | sed 's|^\./|usr/share/parlora/|')
  } | LC_ALL=C sort
}

# The files and links under a root, in the same form.
installed_files() {
  (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
}

# Fails unless the tree under root holds exactly the expected files.
check_file_list() {
  expected_files "$2" > "$work/expected"
  installed_files "$1" > "$work/found"
  diff -u "$work/expected" "$work/found" >&2 || fail "$3 differs from the expected files (-: missing, +: not expected)"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The icon sizes the desktop's menus, docks and title bars ask for.
ICON_SIZES="16 22 24 32 48 64 128 256"
