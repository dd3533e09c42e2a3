#!/usr/bin/perl
# Prints the window that owns an X selection on $DISPLAY, or "none"; exits 0 only when it has
# an owner. Usage: selection_owner.pl NAME (e.g. CLIPBOARD_MANAGER)
# xclip and xsel only speak to PRIMARY, SECONDARY and CLIPBOARD, and no X11 tool in Debian's
# x11-utils asks for a selection's owner, so this speaks the two X requests it needs itself.
# Perl and its socket module are part of every Debian system: no package to add.
use strict;
use warnings;
use IO::Socket::UNIX;

my $name = shift // die "usage: $0 SELECTION\n";
my ($number) = ($ENV{DISPLAY} // '') =~ /^(?:unix)?:(\d+)(?:\.\d+)?$/
    or die "DISPLAY must name a local display, such as :1\n";
my $x = IO::Socket::UNIX->new(Peer => "/tmp/.X11-unix/X$number")
    or die "cannot reach display :$number: $!\n";

sub read_exactly {
    my $n = shift;
    my $buf = '';
    while (length($buf) < $n) {
        my $got = sysread($x, $buf, $n - length($buf), length($buf));
        die "the X server closed the connection\n" unless $got;
    }
    return $buf;
}

# Connection setup, least significant byte first; no authorisation, which the test's own Xvfb
# does not ask for on its local socket.
syswrite($x, pack('a1 x v v v v x2', 'l', 11, 0, 0, 0)) or die "write: $!\n";
my ($ok, undef, undef, undef, $extra) = unpack('C C v v v', read_exactly(8));
read_exactly(4 * $extra);
die "the X server refused the connection\n" unless $ok == 1;

# A reply or an error is 32 bytes for both requests below; nothing asked for events.
sub reply {
    my $r = read_exactly(32);
    die "X error " . unpack('x C', $r) . "\n" if unpack('C', $r) == 0;
    return unpack('x8 V', $r);
}

# InternAtom with only-if-exists: an atom nobody has named yet cannot have an owner.
my $padded = $name . ("\0" x ((4 - length($name) % 4) % 4));
syswrite($x, pack('C C v v x2', 16, 1, 2 + length($padded) / 4, length($name)) . $padded)
    or die "write: $!\n";
my $atom = reply();
my $owner = 0;
if ($atom) {
    syswrite($x, pack('C x v V', 23, 2, $atom)) or die "write: $!\n"; # GetSelectionOwner
    $owner = reply();
}
print $owner ? sprintf("0x%x\n", $owner) : "none\n";
exit($owner ? 0 : 1);
